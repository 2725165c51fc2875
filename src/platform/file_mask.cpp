// MatchesMask (declared in platform/file_system.h): Windows wildcards on long names only.
#include "platform/file_system.h"

#include "platform/case_map.h"

namespace check_html {
namespace {

// True when the rest of the mask from `m` is "." followed only by "*": such a tail also matches
// a name without an extension, so "*.*" and "index.*" match "README" as on Windows.
bool IsEmptyExtensionTail(std::string_view mask, size_t m) {
  if (m >= mask.size() || mask[m] != '.') return false;
  return mask.find_first_not_of('*', m + 1) == std::string_view::npos;
}

// One mask without ";". "*" matches any run of characters, "?" exactly one. Greedy with one
// backtracking point (the last "*"), so the cost stays proportional to name times mask.
bool MatchesOneMask(std::string_view name, std::string_view mask) {
  size_t n = 0;
  size_t m = 0;
  size_t star_m = std::string_view::npos;
  size_t star_n = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      star_m = m++;
      star_n = n;
    } else if (m < mask.size() &&
               (mask[m] == '?' || ToLower1252(mask[m]) == ToLower1252(name[n]))) {
      ++m;
      ++n;
    } else if (star_m != std::string_view::npos) {
      m = star_m + 1;
      n = ++star_n;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size() || IsEmptyExtensionTail(mask, m);
}

std::string_view TrimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  size_t start = 0;
  while (start <= mask.size()) {
    size_t end = mask.find(';', start);
    if (end == std::string_view::npos) end = mask.size();
    std::string_view one = TrimBlanks(mask.substr(start, end - start));
    if (!one.empty() && MatchesOneMask(name, one)) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace check_html
