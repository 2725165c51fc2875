#include "rewrite/equation_table.h"

#include "rewrite/anchor_handler.h"
#include "rewrite/dated_anchor.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

constexpr size_t kNone = std::string_view::npos;
constexpr std::string_view kIndexCommand = "\\index";

}  // namespace

// Every command runs from "\index" through the first "}" behind its opening brace; nested
// braces are not counted. A command without a closing brace is left in the text with the rest.
void StripIndexCommands(const Options& options, std::string& text) {
  if (!options.xxx_mathjax) return;
  size_t at = text.find(kIndexCommand);
  if (at == kNone) return;
  std::string result;
  size_t start = 0;
  while (at != kNone) {
    const size_t close = text.find('}', at + kIndexCommand.size() + 1);
    if (close == kNone) break;
    result.append(text, start, at - start);
    start = close + 1;
    at = text.find(kIndexCommand, start);
  }
  result.append(text, start);
  text = std::move(result);
}

bool ReadConverterId(RunContext& run, std::string_view id) {
  const size_t dot = id.find('.');
  if (dot != kNone) {
    const size_t dash = id.find('-');
    if (dash != kNone) {
      const size_t first = dash + 5;
      const std::string_view digits = first < dot ? id.substr(first, dot - first) : "";
      run.EqSection = ReadWholeNumber(digits).value_or(0);
    }
    return false;
  }
  const size_t r = id.find('r');
  if (r == kNone) return false;
  run.EqNumber = ReadWholeNumber(id.substr(r + 1)).value_or(0);
  return true;
}

size_t FindEquationStart(std::string_view text) {
  for (size_t begin = text.find("\\begin"); begin != kNone; begin = text.find("\\begin", begin + 1)) {
    const size_t open = text.find('{', begin);
    if (open == kNone) return kNone;
    const size_t close = text.find('}', open);
    if (close == kNone) return kNone;
    const std::string_view environment = text.substr(open, close - open + 1);
    if (environment == "{equation}" || environment == "{eqnarray}") return begin;
  }
  return kNone;
}

void WriteEquationTable(PageRewrite& page, std::string_view before, std::string equation,
                        const std::string& id) {
  StripIndexCommands(page.run.Opts, equation);
  PageWriter& out = page.writer;
  std::string cell(before);
  cell += "<TABLE WIDTH=\"100%\" BORDER=\"0\"><TR><TD>";
  cell += equation;
  cell += "</TD>";
  out.WriteText(cell);
  out.WriteText("<TD WIDTH=\"1%\" VALIGN=\"TOP\">");
  std::string content;
  page.reader.TakeAnchor(content);
  out.WriteText("<a ID=\"" + id + "\" NAME=\"EqID\">" + content + "</TD>");
  out.WriteText("<TD WIDTH=\"65\" ALIGN=\"LEFT\" VALIGN=\"MIDDLE\">(" +
                std::to_string(page.run.EqSection) + "." + std::to_string(page.run.EqNumber) +
                ")</TD></TR></TABLE>");
}

}  // namespace check_html
