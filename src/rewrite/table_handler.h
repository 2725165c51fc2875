// The table handler: rows closed, cells normalised, nested tables handled recursively.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

// Tables nested deeper than this are copied through as read (with one "!!!" log line), so that
// no page can nest the handler's recursion without end.
inline constexpr int kMaxTableDepth = 100;

// Called after the text in front of the table tag was written; returns after the matching end
// tag or at the end of the page.
void HandleTable(PageRewrite& page, const std::string& tag);

}  // namespace check_html
