// Seitenskript der handgeschriebenen Seiten: dieselben Hilfen wie zq_cs.js.
document.forscreen = true;

function cs(bild) {
  if (!bild.kleinW) { bild.kleinW = bild.width; bild.kleinH = bild.height; }
  var gross = bild.width == bild.kleinW;
  bild.width = gross ? bild.naturalWidth : bild.kleinW;
  bild.height = gross ? bild.naturalHeight : bild.kleinH;
}

function rot_text(doc, text) {
  doc.write('<span class="rot_text">' + text + '</span>');
}
