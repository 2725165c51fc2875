// Anchor names and link fragments as a browser compares them. A page's 8-bit text is read as
// Windows-1252; character references (&uuml; &#252; &#xFC;) stand for their characters; in a
// fragment, percent-escapes stand for UTF-8 bytes (or, where they are not UTF-8, Windows-1252
// bytes). Two texts name the same anchor when their keys are equal: exact, letter case included.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// The key of an ID or NAME value as written in a page: its characters in UTF-8.
std::string AnchorKey(std::string_view name);

// The key of the text after "#" in a link as written in a page.
std::string FragmentKey(std::string_view fragment);

// `key` with the letters of Latin-1 in lower case: equal folded keys of different anchors
// differ only in letter case.
std::string FoldedKey(std::string_view key);

}  // namespace check_html
