// Schreibt die kommenden Termine aus termin_daten.js unter die Liste der Aenderungen.
function Show_Act_Dates() {
  var heute = new Date();
  document.write('<H3>Termine</H3><UL>');
  for (var i = 0; i < Termine.length; i++) {
    var t = Termine[i][0].split('.');
    if (new Date(t[2], t[1] - 1, t[0]) >= heute)
      document.write('<LI>' + Termine[i][0] + ': ' + Termine[i][1]);
  }
  document.write('</UL>');
}
