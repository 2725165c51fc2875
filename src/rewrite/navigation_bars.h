// The navigation elements of rewritten pages: reading the old crosslinks and section-kind blocks
// of converter pages, and writing the bottom bar and page end.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

// Reads on to the end of the crosslinks div and sets ForwardTarget and BackTarget; writes nothing.
void ReadCrosslinks(PageRewrite& page);
// Called after "<div id=\"pos1\">" was written: reads on to the end of the div and writes its
// replacement.
void SectionMark(PageRewrite& page);
// Writes the bottom bar and the page end and saves the output.
void EndOfPage(PageRewrite& page);
// Cuts `path` to its base name: the text between the last "\" or "/" in front of the last "."
// and that ".".
void PdfBaseName(std::string& path);
// The base name ends in "su" followed by one to three characters.
bool IsSubPageName(const std::string& path);

}  // namespace check_html
