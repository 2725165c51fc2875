#include "html/path_text.h"

#include <algorithm>

#include "platform/case_map.h"

namespace check_html {

std::string SlashToBack(std::string_view path) {
  std::string result(path);
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

void BackToSlash(std::string& path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  path = LowerCase(path);
}

}  // namespace check_html
