// The pre-pass of converter pages (tex_html): before the main pass, the loaded page is copied
// into its backup file with figure letters tracked and the mathematics treated.
#pragma once

namespace check_html {

struct PageRewrite;

// Reads the loaded page (SourceName) to its end and saves the result as BakName; the page is
// closed afterwards. Rule tags of class "figure" and "endfigure" open and close a figure; each
// figure advances FigureLetter, starting from "a".
void RunPrePass(PageRewrite& page);

}  // namespace check_html
