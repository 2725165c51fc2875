// The size step of the image handler. Sizes are held in 64 bits, so doubling a size or scaling
// it by 500 cannot overflow; the scaled heights are computed in floating point.
#include "rewrite/image_parts.h"

#include <cmath>
#include <cstdint>

#include "platform/case_map.h"

namespace check_html {
namespace {

constexpr const char* kEnlargeHandler = "javascript: cs(this)";
constexpr int64_t kMaxHeight = 500;

// The integer conversion of sizes and hints: leading blanks, an optional sign, decimal digits
// and nothing else, within 32 bits.
std::optional<int64_t> ToInteger(std::string_view text) {
  size_t at = text.find_first_not_of(' ');
  if (at == std::string_view::npos) return std::nullopt;
  const bool negative = text[at] == '-';
  if (text[at] == '-' || text[at] == '+') ++at;
  if (at == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return std::nullopt;
    value = value * 10 + (text[at] - '0');
    if (value > INT32_MAX + int64_t{1}) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return std::nullopt;
  return value;
}

// Rounds to the nearest integer, a half to the even neighbour. Only called for 2 < x < 3000.
int64_t RoundHalfEven(double x) {
  const double low = std::floor(x);
  auto result = static_cast<int64_t>(low);
  const double rest = x - low;
  if (rest > 0.5 || (rest == 0.5 && result % 2 != 0)) ++result;
  return result;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string ScreenScript(int64_t height, int64_t width) {
  return "if (document.forscreen) {height=" + std::to_string(height) +
         "; width=" + std::to_string(width) + "}";
}

// What an onload hint asks for: half size, or display width `display` with screen width `screen`.
struct Hint {
  enum Kind { kNone, kHalf, kScaled } kind = kNone;
  int64_t display = 0;
  int64_t screen = 0;
};

Hint ReadHint(const std::string& onload, int64_t width) {
  if (onload == "ss") return {Hint::kHalf};
  if (StartsWithNoCase(onload, "sw_")) {
    const std::string_view rest = std::string_view(onload).substr(3);
    const size_t under = rest.find('_');
    const std::optional<int64_t> display = ToInteger(rest.substr(0, under));
    if (!display) return {};
    int64_t screen = width;
    if (under != std::string_view::npos) screen = ToInteger(rest.substr(under + 1)).value_or(width);
    return {Hint::kScaled, *display, screen};
  }
  if (StartsWithNoCase(onload, "swh_")) {
    const std::optional<int64_t> screen = ToInteger(std::string_view(onload).substr(4));
    if (!screen) return {};
    return {Hint::kScaled, *screen / 2, *screen};
  }
  return {};
}

// The section-kind icons were once reduced to half size for the screen: undo that.
void RestoreSectionIcon(ImageAttributes& image, int64_t height, int64_t width) {
  if (Contains(image.ONLOAD, "if (top.forscreen)") ||
      Contains(image.ONLOAD, "if (document.forscreen)")) {
    image.HEIGHT = std::to_string(2 * height);
    image.WIDTH = std::to_string(2 * width);
    image.ONLOAD.clear();
  }
  if (image.ONCLICK == "javascript: top.cs(this)" || image.ONCLICK == kEnlargeHandler) {
    image.ONCLICK.clear();
    image.TITLE.clear();
  }
}

// A wide picture without a hint gets one from its width; then the hint sets the page size and
// the screen-size script.
void ApplyHint(ImageAttributes& image, int64_t& height, int64_t& width) {
  if (image.ONLOAD.empty()) {
    if (width > 600) {
      image.ONLOAD = "sw_600";
    } else if (width > 300) {
      image.ONLOAD = "sw_300";
    }
  }
  const Hint hint = ReadHint(image.ONLOAD, width);
  if (hint.kind == Hint::kHalf) {
    image.ONLOAD = ScreenScript(height, width);
    image.HEIGHT = std::to_string(height / 2);
    image.WIDTH = std::to_string(width / 2);
  } else if (hint.kind == Hint::kScaled && width > 2) {
    const double h = static_cast<double>(height);
    const double w = static_cast<double>(width);
    const double screen_height = h * static_cast<double>(hint.screen) / w;
    if (screen_height > 2 && screen_height < 3000) {
      image.ONLOAD = ScreenScript(RoundHalfEven(screen_height), hint.screen);
    }
    const double page_height = h * static_cast<double>(hint.display) / w;
    if (page_height > 2 && page_height < 3000) {
      height = RoundHalfEven(page_height);
      width = hint.display;
      image.HEIGHT = std::to_string(height);
      image.WIDTH = std::to_string(width);
    }
  }
}

// No picture is shown higher than 500 pixels on the page; the screen keeps its full size.
void LimitHeight(ImageAttributes& image, int64_t height, int64_t width) {
  if (height <= kMaxHeight) return;
  if (image.ONLOAD.empty()) image.ONLOAD = ScreenScript(height, width);
  image.WIDTH = std::to_string(width * kMaxHeight / height);
  image.HEIGHT = std::to_string(kMaxHeight);
}

// The navigation buttons keep no click handler.
bool IsButtonTitle(const std::string& title) {
  static constexpr std::string_view kButtonTitles[] = {
      "mit frame", "back", "zurueck", "forward", "weiter", "go to", "gehe zu", "as pdf", "als pdf"};
  if (title == "With frame") return true;
  for (std::string_view button : kButtonTitles) {
    if (EqualNoCase(title, button)) return true;
  }
  return false;
}

void AddEnlargeHandler(ImageAttributes& image) {
  if (!image.ONCLICK.empty()) return;
  if (image.TITLE.empty()) {
    image.ONCLICK = kEnlargeHandler;
    image.TITLE = "click to enlarge size";
  } else if (!IsButtonTitle(image.TITLE)) {
    image.ONCLICK = kEnlargeHandler;
  }
}

bool IsSectionIcon(const std::string& src) {
  const std::string lower = LowerCase(src);
  return Contains(lower, "../styles/adva") || Contains(lower, "../styles/basics") ||
         Contains(lower, "../styles/illu");
}

}  // namespace

void ApplySizeStep(ImageAttributes& image, bool hints) {
  const std::optional<int64_t> height_value = ToInteger(image.HEIGHT);
  const std::optional<int64_t> width_value = ToInteger(image.WIDTH);
  if (!height_value || !width_value) return;
  int64_t height = *height_value;
  int64_t width = *width_value;
  if (IsSectionIcon(image.SRC)) {
    RestoreSectionIcon(image, height, width);
    return;
  }
  if (hints) {
    ApplyHint(image, height, width);
    LimitHeight(image, height, width);
  }
  AddEnlargeHandler(image);
}

}  // namespace check_html
