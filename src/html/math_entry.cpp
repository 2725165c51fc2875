// Entries of the formula file: kind + "!Y>" + a TeX formula + "<Y;". Kind "0" has its own read
// position (MathPos); all other kinds share MathPos2.
#include <utility>

#include "html/page_reader.h"

namespace check_html {

void PageReader::SetMathText(std::string text) {
  math_text_ = std::move(text);
  math_pos_ = 0;
  math_pos2_ = 0;
}

int PageReader::ReadMathEntry(char kind, std::string& entry) {
  entry.clear();
  size_t& pos = kind == '0' ? math_pos_ : math_pos2_;
  const std::string marker = std::string(1, kind) + "!Y>";
  const size_t start = math_text_.find(marker, pos);
  if (start == std::string::npos) return 0;
  const size_t text_start = start + marker.size();
  const size_t close = math_text_.find("<Y;", text_start);
  if (close == std::string::npos) return 0;
  entry.assign(math_text_, text_start, close - text_start);
  pos = close;
  if (entry.size() < 2) return 0;
  if (entry[1] == '(') return 1;
  if (entry[1] == '[' || entry[1] == 'b') return 2;
  return 0;
}

}  // namespace check_html
