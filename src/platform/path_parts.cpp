#include "platform/path_parts.h"

#include "platform/case_map.h"

namespace check_html {

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  parts.absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view name = path.substr(start, end - start);
    if (!name.empty() && name != ".") parts.names.emplace_back(name);
    start = end + 1;
  }
  return parts;
}

std::string NormalPath(std::string_view path) {
  PathParts parts = SplitPath(path);
  std::vector<std::string> names;
  for (std::string& name : parts.names) {
    if (name != "..") {
      names.push_back(std::move(name));
    } else if (!names.empty()) {
      names.pop_back();
    }
  }
  std::string result = parts.absolute ? "/" : "";
  for (const std::string& name : names) result = JoinPath(result, name);
  return result;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string result(folder);
  if (!result.empty() && result.back() != '/') result += '/';
  result += name;
  return result;
}

bool SortsBefore(std::string_view a, std::string_view b) {
  std::string upper_a = UpperCase(a);
  std::string upper_b = UpperCase(b);
  if (upper_a != upper_b) return upper_a < upper_b;
  return a < b;
}

}  // namespace check_html
