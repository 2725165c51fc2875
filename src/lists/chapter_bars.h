// The navigation bars of the chapter binding: the table bar of the rewritten pages, written as
// CR LF lines of a text file, with the back and forward targets written as given. The frame
// button leads to HomeLink; texts are English with Set_to_English on, German otherwise.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class ReportText;
class RunContext;

// The bar of a backbone page: an empty line (it ends the copied page text), the rule line, the
// table with the frame, back, forward and PDF cells, the footer of the run's project and a line of
// three blanks. The PDF cell links ChapterPdfName(path).
void ChapterPageBar(const RunContext& run, ReportText& page, std::string_view forward,
                    std::string_view back, std::string_view path);

// The bar of a contents page: ChapterPageBar without the PDF cell (the forward cell closes the
// table) and without the closing line of blanks.
void ContentsBar(const RunContext& run, ReportText& page, std::string_view forward,
                 std::string_view back);

// The file name of `path` (behind its last "\" or "/") with its last four characters replaced
// by "pdf": r1_2.html gives r1_2.pdf. A name ending in ".htm" loses only "htm", so r1_3.htm
// gives r1_3.pdf rather than a name without its dot.
std::string ChapterPdfName(std::string_view path);

}  // namespace check_html
