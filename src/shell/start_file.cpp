#include "shell/start_file.h"

#include "platform/case_map.h"

namespace check_html {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Both separators as "\", so the two path forms compare equal.
std::string WithBackslashes(std::string_view path) {
  std::string result(path);
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

}  // namespace

bool HasPageExtension(std::string_view file) {
  size_t dot = file.size();
  for (size_t i = file.size(); i > 0; --i) {
    char c = file[i - 1];
    if (IsSeparator(c) || c == ':') break;
    if (c == '.') {
      dot = i - 1;
      break;
    }
  }
  std::string extension = UpperCase(file.substr(dot, 5));
  return extension == ".HTM" || extension == ".HTML";
}

bool LiesUnderParentOf(std::string_view file, std::string_view program_dir) {
  size_t k = 0;
  for (size_t i = 0; i < program_dir.size(); ++i) {
    if (IsSeparator(program_dir[i])) k = i + 1;
  }
  std::string own = WithBackslashes(LowerCase(file.substr(0, k)));
  return own == WithBackslashes(program_dir.substr(0, k));
}

std::string SiteFolderOf(std::string_view start_file) {
  size_t found = start_file.find("\\html\\");
  if (found == std::string_view::npos) found = start_file.find("\\kap");
  if (found == std::string_view::npos) return "";
  std::string_view before = start_file.substr(0, found);
  size_t slash = before.rfind('\\');
  if (slash != std::string_view::npos) before.remove_prefix(slash + 1);
  return std::string(before);
}

}  // namespace check_html
