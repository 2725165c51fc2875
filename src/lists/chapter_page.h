// One backbone page of the chapter binding: its text up to its old navigation bar is kept, a new
// bar chains it to its neighbours, and its headings become lines of the chapter's contents page.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class ReportText;
class RunContext;

inline constexpr const char* kCheckFileStatus = "check File ";

// Rewrites the page `path`, whose file name is `name`, with a bar leading back to `back` and
// forward to `forward` (written as given). The page is copied tag by tag (blank runs folded, no
// line ends) up to its old bar's rule line, "</body>" or "</html>", whichever comes first; a page
// without any of them is copied to its end. Every heading H1..H9 whose text is followed directly
// by its end tag adds a line linking `name` to `contents`.
//
// The old text moves to the ".bak" name (an older backup is deleted) and the new page is
// written whole; should that write fail, the backup goes back to the page's name. File errors
// raise FileError.
void CheckChapterPage(RunContext& run, const std::string& path, const std::string& name,
                      const std::string& forward, const std::string& back, ReportText& contents);

// `path` with its extension replaced by "bak": the last three characters when the fourth-last
// is ".", else the last four (x.htm and x.html both give x.bak).
std::string ChapterBakName(std::string_view path);

}  // namespace check_html
