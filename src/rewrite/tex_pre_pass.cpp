#include "rewrite/tex_pre_pass.h"

#include <string>

#include "platform/case_map.h"
#include "rewrite/main_pass_dispatch.h"
#include "rewrite/math_fixups.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

// Figure marks are case-sensitive substring tests on the rule tag.
void RuleTag(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteText("<" + page.tag + ">");
  if (page.tag.find("class=") == std::string::npos) return;
  if (page.tag.find("\"figure\"") != std::string::npos) {
    page.InFigure = true;
    ++page.FigureLetter;
  } else if (page.tag.find("\"endfigure\"") != std::string::npos) {
    page.InFigure = false;
  }
}

void MathTag(PageRewrite& page) {
  if (page.run.Opts.for_mathjax) {
    ReplaceFormula(page, page.text, page.tag);
  } else {
    NormalizeMathML(page, page.text, page.tag);
  }
}

void Dispatch(PageRewrite& page) {
  if (StartsWithNoCase(page.tag, "hr ")) {
    RuleTag(page);
  } else if (StartsWithNoCase(page.tag, "math")) {
    MathTag(page);
  } else if (StartsWithNoCase(page.tag, "!--")) {
    WriteComment(page);
  } else if (StartsWithNoCase(page.tag, "pre")) {
    WritePre(page);
  } else {
    page.writer.WriteText(page.text + "<" + page.tag + ">");
  }
}

}  // namespace

void RunPrePass(PageRewrite& page) {
  page.InFigure = false;
  page.FigureLetter = 'a' - 1;
  page.writer.BeginOutput(page.BakName);
  while (!page.reader.AtPageEnd()) {
    if (!page.reader.ReadTag(page.text, page.tag)) {
      page.writer.WriteText(page.text);  // the page ended inside a text run
      break;
    }
    Dispatch(page);
  }
  page.writer.WriteLine("  ");
  page.writer.WriteLine("  ");
  page.writer.SaveOutput();
  page.reader.ClosePage();
}

}  // namespace check_html
