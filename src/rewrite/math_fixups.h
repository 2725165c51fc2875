// The mathematics of converter pages: the formula file that holds the TeX source of every
// formula (read in MathJax mode), and the two treatments of a math element in the pre-pass.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;
class THTML_Thread;

// The formula file is open from OpenMathFile to CloseMathFile; the rewrite opens it before its
// loop over the pages, positions it at each page's section, and closes it after the loop, also
// when the loop was stopped or ended by an error.
void OpenMathFile(THTML_Thread& run);
void SeekMathPage(THTML_Thread& run, const std::string& source_name);
void CloseMathFile(THTML_Thread& run);

// MathJax mode: replaces the math element that `tag` opens by its formula from the formula file.
// `text` is the text in front of the math tag.
void ReplaceFormula(PageRewrite& page, const std::string& text, const std::string& tag);
// MathML mode: writes `text` and the math element with its MathML normalised.
void NormalizeMathML(PageRewrite& page, const std::string& text, const std::string& tag);

}  // namespace check_html
