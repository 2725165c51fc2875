// Path converters between the two forms the program uses: backslash paths for file operations,
// slash paths in lower case for the site tables.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// A copy of `path` with every "/" replaced by "\".
std::string SlashToBack(std::string_view path);

// Replaces every "\" by "/", then lower-cases the whole path (Windows-1252 mapping).
void BackToSlash(std::string& path);

}  // namespace check_html
