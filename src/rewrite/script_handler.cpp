// The script handler: keeps foreign scripts on lines of their own and drops the scripts that
// this tool wrote on an earlier run as well as the MathJax loader and configuration, which the
// page script written at the head end replaces.
#include "rewrite/head_handlers.h"

#include <string>

#include "html/attributes.h"
#include "platform/case_map.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

constexpr const char* kWrongEndTag = "!!! Wrong /script tag";

// Scripts the tool writes carry an ID beginning "zq_x_"; only the section labels ("zq_x_3")
// are kept, every other one is written afresh by the rewrite.
bool IsOldOwnScript(const std::string& id) {
  return StartsWithNoCase(id, "zq_x_") && !StartsWithNoCase(id, "zq_x_3");
}

bool IsMathJaxScript(const std::string& script) {
  return script.find("window.MathJax") != std::string::npos ||
         script.find("MathJax-script") != std::string::npos;
}

}  // namespace

void HandleScript(PageRewrite& page, const std::string& tag) {
  if (IsOldOwnScript(GetAttribute("id", tag))) {
    // The script's text goes with the next tag, which should be its end tag. At the page end
    // no tag follows, and that counts as a wrong end tag as well.
    std::string text;
    std::string next;
    page.reader.ReadTag(text, next);
    if (!StartsWithNoCase(next, "/script")) page.run.LogLine(kWrongEndTag);
    return;
  }
  std::string script = "<" + tag + ">";
  page.reader.TakeScript(script);
  if (!IsMathJaxScript(script)) page.writer.WriteOwnLine(script);
}

}  // namespace check_html
