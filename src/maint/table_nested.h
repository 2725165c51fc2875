// Tables inside a top-level table: table repair copies them unanalysed, only tidying their tags.
#pragma once

#include <string>

namespace check_html {

class PageReader;

// Replaces every "&#180;" by "'", then every "&#150;" by "&ndash;".
void ReplaceOldEntities(std::string& text);

// Puts "#" in front of a BGCOLOR value that is not empty and does not begin with one.
void HashBgcolor(std::string& tag);

// The start tag of a table at nesting `level` (2 directly inside a top-level table): its
// attributes in order, "#" in front of bare BGCOLOR and BORDERCOLOR values, then the class and
// the width. At level 2 a class "wi__" or "w__" followed by a width with a unit gives the table
// that width when it has none; every other class becomes "W__" and the width.
std::string NestedTableTag(int level, const std::string& tag);

// Appends the table whose start tag `tag` was just read, at nesting `level`, through its end tag
// (or the page end) to `out`: the text runs with the old entities replaced, start tags rebuilt
// by NestedTableTag, cells by HashBgcolor, SUB and SUP contents taken whole. Tables inside it are
// followed by counting, so the page's nesting depth costs no stack.
void CopyNestedTable(PageReader& reader, int level, const std::string& tag, std::string& out);

}  // namespace check_html
