// The entry text of an index record, from its LaTeX and makeindex notation to the text the index
// page shows and sorts by.
//
// makeindex notation: "!" separates the levels (item, sub-item, sub-sub-item), "sort@shown"
// gives a level a sort text apart from its shown text, "|" starts a page format ("|textbf",
// "|see{x}", "|(") and '"' quotes the character after it, which then loses its meaning.
// A quote after a backslash is the umlaut accent (\"u), not a quote.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace check_html {

// The position of the first `wanted` at or after `from` that is not quoted, or npos.
std::size_t FindUnquoted(std::string_view text, char wanted, std::size_t from = 0);

// `text` with its quotes dropped: each '"' that quotes a character is left out.
std::string Unquoted(std::string_view text);

// The text up to its first unquoted "|"; of each level only the part after its first unquoted
// "@". A text without such notation comes back unchanged; quotes stay for the levels to be split.
std::string ShownEntryText(std::string_view text);

// As ShownEntryText, but of each level the part before its first unquoted "@": the text the
// entry sorts by.
std::string SortEntryText(std::string_view text);

// `text` cut to 255 characters with the LaTeX umlauts replaced by entities, one pass per form:
// the braced forms \"{O} \"{A} \"{U} \"{o} \"{a} \"{u} \ss{}, then \"O \"A \"U \"o \"a \"u \ss
// and \/ (a blank). Each pass keeps at most 255 characters, and a pass that replaced anything
// keeps at most 254.
std::string LatexToEntity(std::string_view text);

}  // namespace check_html
