// The pieces of the image handler: the attributes it sorts out of an IMG tag, the icon table and
// the size step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace check_html {

// The handler keeps each known attribute value to this many bytes.
inline constexpr size_t kImageValueCapacity = 255;

// The known attributes of one IMG tag; empty when the tag has none.
struct ImageAttributes {
  std::string ALIGN, VALIGN, ALT, SRC, TITLE, ONCLICK, ONLOAD, WIDTH, HEIGHT, BORDER;
};

// The text that stands for all known attributes of one of the site's arrow and bullet icons
// (size, border and path), or nothing when SRC names no icon. `png_buttons` picks the PNG
// pictures; an icon addressed three folders up keeps its own SRC.
std::optional<std::string> IconAttributes(std::string_view src, bool png_buttons);

// The size step, run only when WIDTH and HEIGHT are whole numbers. Section-kind icons get back
// their full size and lose the enlarge handler. With `hints` (pages not made by the converter)
// the onload hint ("ss", "sw_n", "sw_n_m", "swh_m", or one chosen from the width) reduces the
// page size and sets the screen-size script, and no picture is shown higher than 500 pixels.
// Finally a picture without a click handler gets the enlarge handler unless its title names a
// navigation button.
void ApplySizeStep(ImageAttributes& image, bool hints);

}  // namespace check_html
