// Switching a page's references from a missing GIF picture to the PNG picture of the same name.
#pragma once

#include <string>

namespace check_html {

class FileSystem;

// Rewrites `page` so that it refers to the PNG form of `picture`: the reference as the page's
// folder writes it (lower case, "/" separators, exact match, found left to right without
// overlapping) gets ".png" for its last four characters. The new text replaces the page at
// once, through a temporary file.
void SwitchPicRef(FileSystem& files, const std::string& page, const std::string& picture);

}  // namespace check_html
