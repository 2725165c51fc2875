#include "platform/current_folder.h"

#include <filesystem>
#include <system_error>

namespace check_html {

std::string CurrentFolder() {
  std::error_code error;
  std::string folder = std::filesystem::current_path(error).string();
  return error ? std::string(".") : folder;
}

std::string AbsolutePath(std::string_view path) {
  std::string slashed(path);
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  const bool trailing = !slashed.empty() && slashed.back() == '/';
  std::filesystem::path p(slashed);
  if (p.is_relative()) p = std::filesystem::path(CurrentFolder()) / p;
  std::string result = p.lexically_normal().string();
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  if (trailing && result != "/") result += '/';
  return result;
}

}  // namespace check_html
