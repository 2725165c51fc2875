// The mathematics of converter pages: the formula file that holds the TeX source of every
// formula (read in MathJax mode), and the two treatments of a math element in the pre-pass.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;
class RunContext;

// The formula file SaveDir + "\..\..\pdf_split\all_math.txt" is open from OpenMathFile to
// CloseMathFile; the rewrite opens it before its loop over the pages, positions it at each
// page's section, and closes it after the loop, also when the loop was stopped or ended by an
// error. A file that cannot be read or holds nothing is logged once; the math elements then
// keep their MathML.
void OpenMathFile(RunContext& run);
// Positions both read positions at the end of the section header "!Y>" + base name + "<Y;" of
// the page `source_name`; a page without a section reads only empty entries.
void SeekMathPage(RunContext& run, const std::string& source_name);
void CloseMathFile(RunContext& run);

// MathJax mode: writes `text` and replaces the math element that `tag` opens (read on up to its
// closing tag) by the next entry of the kind of its place (the figure letter inside a figure,
// else "0"). A block formula whose MathML labels an mstyle with an id gets a table cell break
// with an anchor of that id in front. A formula whose entry is not of its form (inline, block)
// is logged and written all the same.
void ReplaceFormula(PageRewrite& page, const std::string& text, const std::string& tag);
// MathML mode: writes `text` and the math tag as a line of their own, then appends the math
// element with its MathML normalised, up to and including its closing tag.
void NormalizeMathML(PageRewrite& page, const std::string& text, const std::string& tag);

}  // namespace check_html
