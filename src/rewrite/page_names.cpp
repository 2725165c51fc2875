// The page-name tests of the navigation bars.
#include "rewrite/navigation_bars.h"

#include <cstddef>

#include "platform/case_map.h"

namespace check_html {

bool PdfBaseName(std::string& path) {
  const size_t dot = path.rfind('.');
  const size_t end = dot == std::string::npos ? path.size() : dot;
  const size_t slash = path.find_last_of("\\/", end == 0 ? 0 : end - 1);
  const size_t begin = (slash == std::string::npos || end == 0) ? 0 : slash + 1;
  path = path.substr(begin, end - begin);
  return path.find("se") != std::string::npos || path.find("su") != std::string::npos;
}

bool IsSubPageName(const std::string& path) {
  // The dot of a ".htm" or ".html" extension, 1-based as the rewrite counts positions.
  const size_t length = path.size();
  if (length < 4) return false;
  const size_t dot = path[length - 4] == '.' ? length - 3 : length - 4;
  // "su" with one, two or three characters between it and the dot.
  for (size_t tail = 1; tail <= 3; ++tail) {
    if (dot < tail + 3) continue;  // "su" would begin before the first character
    const size_t s = dot - tail - 2;  // 1-based position of the "s"
    if (ToLower1252(path[s - 1]) == 's' && ToLower1252(path[s]) == 'u') return true;
  }
  return false;
}

}  // namespace check_html
