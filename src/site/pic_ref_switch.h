// Switching a page's references from a missing GIF picture to the PNG picture of the same name.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class FileSystem;

// `text` with every occurrence of `from` replaced by `to`, found left to right without
// overlapping, as a plain find-and-replace does. An empty `from` changes nothing.
std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to);

// Rewrites `page` so that it refers to the PNG form of `picture`: the reference as the page's
// folder writes it (lower case, "/" separators, exact match) gets ".png" for its last four
// characters. The new text is written to the page path followed by "_d", and only when that
// file is complete is the page deleted and the work file renamed to the page's name.
void SwitchPicRef(FileSystem& files, const std::string& page, const std::string& picture);

}  // namespace check_html
