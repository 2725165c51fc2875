#include "rewrite/section_names.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/case_map.h"
#include "rewrite/navigation_bars.h"
#include "rewrite/page_rewrite.h"
#include "run/run_context.h"

namespace check_html {
namespace {

constexpr size_t kNameWidth = 255;  // SourceName, BakName and PdfBase are string[255]

// Positions below are 1-based as the page names are described; a position outside the name
// holds no character, so no test on it matches.
std::optional<char> CharAt(std::string_view name, std::ptrdiff_t position) {
  if (position < 1 || position > static_cast<std::ptrdiff_t>(name.size())) return std::nullopt;
  return ToLower1252(name[static_cast<size_t>(position - 1)]);
}

bool PairAt(std::string_view name, std::ptrdiff_t position, std::string_view pair) {
  return CharAt(name, position) == pair[0] && CharAt(name, position + 1) == pair[1];
}

// Characters `from` to `to` (1-based, inclusive), empty where the range leaves the name.
std::string_view Characters(std::string_view name, std::ptrdiff_t from, std::ptrdiff_t to) {
  if (from < 1) from = 1;
  if (to > static_cast<std::ptrdiff_t>(name.size())) to = static_cast<std::ptrdiff_t>(name.size());
  if (to < from) return {};
  return name.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1));
}

// The position of the extension's dot: L - 3 when that character is ".", else L - 4.
std::ptrdiff_t DotPosition(std::string_view name) {
  const auto length = static_cast<std::ptrdiff_t>(name.size());
  return CharAt(name, length - 3) == '.' ? length - 3 : length - 4;
}

// Decimal digits only; anything else does not convert and counts as 0.
int32_t NumberOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 9) return 0;
  int32_t number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::string FileNamePart(std::string_view name) {
  const size_t slash = name.rfind('/');
  if (slash == std::string_view::npos || slash == 0) return std::string(name);
  return std::string(name.substr(slash + 1));
}

void MoveSectionFields(RunContext& run, std::string_view source_name) {
  const std::ptrdiff_t d = DotPosition(source_name);
  // The number has one, two or three characters; the first pattern that matches decides.
  for (std::ptrdiff_t width = 1; width <= 3; ++width) {
    if (!PairAt(source_name, d - 2 - width, "se")) continue;
    const int32_t number = NumberOf(Characters(source_name, d - width, d - 1));
    if (run.SectionNo < number) {
      const std::string prefix(Characters(source_name, 1, d - 3 - width));
      run.SectionNo = number;
      run.SectionPage = FileNamePart(source_name);
      run.NextSectionPage = FileNamePart(prefix + "se" + std::to_string(number + 1) + ".html");
      run.PrevSectionPage = FileNamePart(prefix + "se" + std::to_string(number - 1) + ".html");
    }
    return;
  }
}

void SetPageNames(PageRewrite& page) {
  const std::string_view source = page.SourceName;
  const std::ptrdiff_t d = DotPosition(source);
  page.IsLi1Page = PairAt(source, d - 3, "li") && CharAt(source, d - 1) == '1';
  MoveSectionFields(page.run, source);
  page.IsSubPage = IsSubPageName(page.SourceName);
  page.BakName = (std::string(Characters(source, 1, d)) + "bak").substr(0, kNameWidth);
  page.PdfBase = page.SourceName;
  PdfBaseName(page.PdfBase);
  if (page.PdfBase.size() > kNameWidth) page.PdfBase.resize(kNameWidth);
}

}  // namespace check_html
