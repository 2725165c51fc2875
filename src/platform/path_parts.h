// Path text shared by the disk and the in-memory file systems. Both separators are accepted;
// nothing here touches the disk. A drive prefix "x:" has no meaning on this system and stays an
// ordinary first name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace check_html {

struct PathParts {
  bool absolute = false;            // began with a separator
  std::vector<std::string> names;   // no empty and no "." names; ".." is left to the caller
};

// Splits at "\" and "/".
PathParts SplitPath(std::string_view path);

// "/" separators, no empty or "." names, ".." applied (a ".." above the start is dropped).
std::string NormalPath(std::string_view path);

// `folder` + "/" + `name`, with exactly one separator between them. An empty `folder` stands
// for the current folder and gives `name` alone.
std::string JoinPath(std::string_view folder, std::string_view name);

// The order of folder listings: upper-case names first, then the bytes, so the order is total
// and does not depend on the disk.
bool SortsBefore(std::string_view a, std::string_view b);

}  // namespace check_html
