// MathJax mode: a math element is replaced by the TeX source of its formula, read from the
// page's section of the formula file.
#include "rewrite/math_fixups.h"

#include <string>
#include <string_view>

#include "html/attributes.h"
#include "platform/case_map.h"
#include "rewrite/math_text.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

constexpr int kInlineForm = 1;
constexpr int kBlockForm = 2;

// Drops the rest of the math element up to its closing tag (or the page end) and returns the id
// of the first mstyle tag in it that has one (the equation's label), empty when none has.
std::string DropMathElement(PageRewrite& page) {
  std::string label;
  while (!page.reader.AtPageEnd() && page.reader.ReadTag(page.text, page.tag)) {
    if (EqualNoCase(page.tag, "/math")) break;
    if (label.empty() && StartsWithNoCase(page.tag, "mstyle")) label = GetAttribute("id", page.tag);
  }
  return label;
}

}  // namespace

void ReplaceFormula(PageRewrite& page, const std::string& text, const std::string& tag) {
  // The text in front of the formula is page text like any other and stays.
  page.writer.WriteText(text);
  if (page.reader.MathText().empty()) {  // no formula file: the MathML stays as it is
    page.writer.WriteText("<" + tag + ">");
    return;
  }
  const bool block = tag.find("block") != std::string::npos;
  const std::string label = DropMathElement(page);
  std::string entry;
  const int form = page.reader.ReadMathEntry(page.InFigure ? page.FigureLetter : '0', entry);
  if (block) {
    if (!label.empty()) {
      page.writer.WriteText("</td><td VALIGN=\"TOP\"><a id=\"" + label + "\">&nbsp;</a></td><td>");
    }
    if (form != kBlockForm) page.run.LogLine("!!!no block in block: " + entry);
  } else if (form != kInlineForm) {
    page.run.LogLine("!!!no inline in inline: " + entry);
  }
  ConvertBaselineSkips(entry);
  page.writer.WriteText(entry);
}

}  // namespace check_html
