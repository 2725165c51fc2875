// Stand-in until the formula file and the MathML fix-ups are built: the formula file is not
// opened and math tags are written through with the text in front of them.
#include "rewrite/math_fixups.h"

#include "rewrite/page_rewrite.h"

namespace check_html {

void OpenMathFile(THTML_Thread& /*run*/) {}
void SeekMathPage(THTML_Thread& /*run*/, const std::string& /*source_name*/) {}
void CloseMathFile(THTML_Thread& /*run*/) {}

void ReplaceFormula(PageRewrite& page, const std::string& text, const std::string& tag) {
  page.writer.WriteText(text + "<" + tag + ">");
}
void NormalizeMathML(PageRewrite& page, const std::string& text, const std::string& tag) {
  page.writer.WriteText(text + "<" + tag + ">");
}

}  // namespace check_html
