// The main pass of the page rewrite: the loaded page is read tag by tag and every tag is handed
// to the first row of the dispatch table whose prefix it begins with (case-insensitive).
#pragma once

namespace check_html {

struct PageRewrite;

// Reads the loaded page from its read position while Reading is set and writes the rewritten
// text. Expects Reading set and the output begun; leaves the page loaded.
void RunMainPass(PageRewrite& page);

// The rows the pre-pass shares with the main pass, on the page's text and tag:
// a comment, completed through its "-->" and written with WriteText;
void WriteComment(PageRewrite& page);
// a pre tag on a line of its own; after a verbatim pre, the next text and tag are read with
// blanks kept and written as one line.
void WritePre(PageRewrite& page);

}  // namespace check_html
