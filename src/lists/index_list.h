// The index lists: every index term of the site with numbered links to the places where it
// stands. The index list holds all terms; the German and the English list only the terms of
// pages without or with the language marker "_en" in their path.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// True when `page` contains `marker` and `wanted` is true, or lacks it and `wanted` is false.
bool InLanguage(std::string_view page, std::string_view marker, bool wanted);

// The file of a language list: `index_path` without its last five characters (".html"),
// then `suffix` and ".html".
std::string LanguageIndexPath(std::string_view index_path, std::string_view suffix);

}  // namespace check_html
