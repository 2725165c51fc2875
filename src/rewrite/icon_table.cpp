// The site's arrow and bullet icons: fixed sizes, no border, and the path of the picture in the
// styles folder, as GIF or as PNG.
#include "rewrite/image_parts.h"

namespace check_html {
namespace {

// SRC contains `gif` or `png` (case-sensitive). With `deep_keeps_src` an SRC that also contains
// "../../../styles/" is written as it stands; otherwise the picture becomes `png_src` or
// `gif_src`. The first matching row wins.
struct IconRow {
  std::string_view gif;
  std::string_view png;
  std::string_view size;
  bool deep_keeps_src;
  std::string_view png_src;
  std::string_view gif_src;
};

constexpr IconRow kIcons[] = {
    {"../styles/dreieck3.gif", "../styles/dreieck3.png", " WIDTH=\"17\" HEIGHT=\"21\"", true,
     "../../styles/dreieck3.png", "../styles/dreieck3.gif"},
    {"../styles/dreieck1.gif", "../styles/dreieck1.png", " WIDTH=\"39\" HEIGHT=\"51\"", false,
     "../../styles/dreieck1.png", "../styles/dreieck1.gif"},
    // The small arrow dreieck2 is shown as dreieck1 at its own size.
    {"../styles/dreieck2.gif", "../styles/dreieck2.png", " WIDTH=\"25\" HEIGHT=\"40\"", false,
     "../../styles/dreieck1.png", "../styles/dreieck1.gif"},
    {"../styles/kugel1.gif", "../styles/kugel1.png", " WIDTH=\"20\" HEIGHT=\"20\"", true,
     "../../styles/kugel1.png", "../styles/kugel1.gif"},
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> IconAttributes(std::string_view src, bool png_buttons) {
  for (const IconRow& row : kIcons) {
    if (!Contains(src, row.gif) && !Contains(src, row.png)) continue;
    std::string_view picture = png_buttons ? row.png_src : row.gif_src;
    if (row.deep_keeps_src && Contains(src, "../../../styles/")) picture = src;
    std::string text(row.size);
    text += " BORDER=\"0\" SRC=\"";
    text += picture;
    text += '"';
    return text;
  }
  return std::nullopt;
}

}  // namespace check_html
