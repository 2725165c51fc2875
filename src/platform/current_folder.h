// Where the process stands: the current folder, and paths made absolute against it.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// The current folder, without a trailing separator (except for the root).
std::string CurrentFolder();

// `path` made absolute against the current folder, with "." and ".." steps removed and "\"
// accepted as a separator. A trailing separator is kept only when `path` ends with one.
std::string AbsolutePath(std::string_view path);

}  // namespace check_html
