// The index lists: every index term of the site with numbered links to the places where it
// stands. The index list holds all terms; the German and the English list only the terms of
// pages without or with the language marker "_en" in their path.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class RunContext;

// The index list: every index term of the chain (names without a marker), with its links. The
// chain's last reader: the chain is released afterwards.
void WriteIndexList(RunContext& run, const std::string& path);
// The list of the terms of pages that contain `marker` (`wanted`) or lack it, written to
// LanguageIndexPath(path, suffix).
void WriteLanguageIndex(RunContext& run, const std::string& path, const std::string& marker,
                        const std::string& suffix, bool wanted);

// True when `page` contains `marker` and `wanted` is true, or lacks it and `wanted` is false.
bool InLanguage(std::string_view page, std::string_view marker, bool wanted);

// The file of a language list: `index_path` without its last five characters (".html"),
// then `suffix` and ".html".
std::string LanguageIndexPath(std::string_view index_path, std::string_view suffix);

}  // namespace check_html
