// Seitenskript der konvertierten Seiten.
// cs(bild): vergroessert ein Bild auf die Bildschirmgroesse und wieder zurueck.
// rot_text(doc, text): schreibt die Kennzeichnung des Abschnitts (Illustration, Advanced, ...).
document.forscreen = true;

function cs(bild) {
  if (!bild.kleinW) { bild.kleinW = bild.width; bild.kleinH = bild.height; }
  if (bild.width == bild.kleinW) {
    bild.width = bild.naturalWidth;
    bild.height = bild.naturalHeight;
  } else {
    bild.width = bild.kleinW;
    bild.height = bild.kleinH;
  }
}

function rot_text(doc, text) {
  doc.write('<span class="rot_text">' + text + '</span>');
}
