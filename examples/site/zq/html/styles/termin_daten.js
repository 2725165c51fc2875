// Termine zur Vorlesung: Datum (TT.MM.JJJJ) und Text.
var Termine = [
  ["15.01.2027", "Klausur Mechanik"],
  ["12.02.2027", "Nachklausur"]
];
