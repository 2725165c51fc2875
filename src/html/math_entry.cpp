// Entries of the formula file: kind + "!Y>" + a TeX formula + "<Y;". Kind "0" has its own read
// position (MathPos); all other kinds share MathPos2. A page's entries end at the next section
// header ("!Y>" + page name + "<Y;", a "!Y>" without a kind character in front of it), so a page
// with fewer entries than formulas never takes the formulas of the page after it.
#include <string_view>
#include <utility>

#include "html/page_reader.h"
#include "html/text_scan.h"

namespace check_html {
namespace {

constexpr std::string_view kMarker = "!Y>";
constexpr std::string_view kClose = "<Y;";

// True when the "!Y>" at `at` opens a section header rather than an entry.
bool OpensHeader(std::string_view text, size_t at) {
  return at == 0 || IsBlank(text[at - 1]) || text[at - 1] == ';';
}

int FormOf(std::string_view entry) {
  if (entry.size() < 2) return 0;
  if (entry[1] == '(') return 1;
  if (entry[1] == '[' || entry[1] == 'b') return 2;
  return 0;
}

}  // namespace

void PageReader::SetMathText(std::string text) {
  math_text_ = std::move(text);
  math_pos_ = 0;
  math_pos2_ = 0;
}

int PageReader::ReadMathEntry(char kind, std::string& entry) {
  entry.clear();
  size_t& pos = kind == '0' ? math_pos_ : math_pos2_;
  const std::string_view text = math_text_;
  if (pos >= text.size()) return 0;  // the page has no section
  size_t at = pos;
  for (;;) {
    const size_t marker = text.find(kMarker, at);
    if (marker == std::string_view::npos || OpensHeader(text, marker)) return 0;
    const size_t start = marker + kMarker.size();
    const size_t close = text.find(kClose, start);
    if (close == std::string_view::npos) return 0;
    if (text[marker - 1] == kind) {
      entry.assign(text, start, close - start);
      pos = close;
      return FormOf(entry);
    }
    at = close;  // an entry of another kind: its text is passed over whole
  }
}

}  // namespace check_html
