// The navigation elements of rewritten pages: reading the old crosslinks and section-kind blocks
// of converter pages, and writing the bottom bar and page end. The bar pieces (frame button,
// table bar, footer) are shared with the generated pages that end in the same bar.
//
// Every piece is written as a line of its own (WriteLine) unless noted: a button line begins with
// a template of button_templates.h (the run's forms), whose SRC completes the IMG tag that the
// line before opened. Texts are English with Set_to_English on, German otherwise.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

struct PageRewrite;
class RunContext;
struct Options;

// Reads on to the end of the crosslinks div and sets ForwardTarget (first link) and BackTarget
// (second link); writes nothing. With fewer than three links the back target becomes the site's
// index page, with three or four the forward target.
void ReadCrosslinks(PageRewrite& page);
// Called after "<div id=\"pos1\">" was written: reads on to the end of the div and writes the
// section-kind label script that replaces it, chosen by the button picture named inside. When no
// known picture is named, the content is written back as it was read, followed by "</DIV>".
void SectionMark(PageRewrite& page);
// Writes the bottom bar and the page end and saves the output. Converter pages (tex_html) get the
// go-to bar (sub-pages with crosslinks) or the table bar (other pages with crosslinks);
// hand-written pages in a chapter's sub-folder get the PDF button and one go-to line per page
// that links to them. A go-to line needs a linking page: nodes of the start file's entry
// (index 0) get none, and a go-to bar without a linking page inside the section page names the
// section page itself as link text.
void EndOfPage(PageRewrite& page);
// Cuts `path` to its base name: the text between the last "\" or "/" in front of the last "."
// and that "." (a path without "." keeps its last name whole). True when the base name contains
// "se" or "su" (case-sensitive): section and subsection pages, which get a PDF button.
bool PdfBaseName(std::string& path);
// The base name ends in "su" followed by one to three characters (ignoring case); the extension
// is ".htm" or ".html".
bool IsSubPageName(const std::string& path);

// The house rule line that opens every bar.
inline constexpr const char* kRuleLine = "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">";

enum class FrameForm { kParagraph, kTable };
// The opening line of the frame button: a link to HomeLink whose click stores the page address
// in the cookie UXLL (path /, SameSite=Lax) before the frame set opens; it ends with "<IMG".
std::string FrameOpening(const Options& options, FrameForm form);

// The footer line with the run's project name, written to the run's writer as a line. Its author
// follows tex_html: converter pages name Anvelt, hand-written pages Brisco.
void WriteFooter(RunContext& run);

// The table bar behind its rule line, on the run's writer: table start, frame cell, back cell
// and the opening of the forward cell with `back` and `forward` written as given.
void WriteTableBarStart(RunContext& run, std::string_view back, std::string_view forward);
// The forward button that completes the forward cell; with `ends_table` it also closes the row
// and the table.
void WriteForwardButton(RunContext& run, bool ends_table);
// The PDF cell that links `pdf_file` and closes the row and the table.
void WritePdfCell(RunContext& run, std::string_view pdf_file);

// The table-form bar of a converter page, with its footer, two lines of two blanks, saved. A
// forward link to a sub-page becomes the next section page; a back link to one becomes the
// current section page on a sub-page (`is_sub_page`), else the previous one. The PDF cell is
// written when the base name of `pdf_name` is a section or subsection name.
void TableBar(RunContext& run, std::string forward, std::string back, std::string pdf_name,
              bool is_sub_page);

}  // namespace check_html
