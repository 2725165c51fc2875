// Body and stylesheet handlers: the body tag loses its attributes, a stylesheet link is chosen
// from a fixed table by the file name it names.
#include "rewrite/head_handlers.h"

#include <string>
#include <string_view>

#include "platform/case_map.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

// A link tag whose lower-cased text contains `name` (and `also`, when given) becomes `line`.
// The first matching row wins: "kap_s.css" does not contain "kap.css", so order is free there,
// but the three-level illu.css row must come before the two-level one.
struct StylesheetRow {
  std::string_view name;
  std::string_view also;
  std::string_view line;
};

constexpr StylesheetRow kStylesheetRows[] = {
    {"kap.css", "",
     "<LINK HREF=\"../../styles/kap.css\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">"},
    {"kap_s.css", "",
     "<LINK HREF=\"../../styles/kap_s.css\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">"},
    {"illu.css", "../../../",
     "<LINK HREF=\"../../../styles/illu.css\" REL=\"stylesheet\" TITLE=\"vrad\" "
     "TYPE=\"text/css\">"},
    {"illu.css", "",
     "<LINK HREF=\"../../styles/illu.css\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">"},
    // Advanced pages share the illustration stylesheet.
    {"adv.css", "",
     "<LINK HREF=\"../../styles/illu.css\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">"},
};

}  // namespace

void HandleBody(PageRewrite& page, const std::string& /*tag*/) {
  page.writer.WriteText(page.run.Opts.tex_html ? "<body>" : "<BODY>");
}

void HandleStylesheet(PageRewrite& page, const std::string& tag) {
  const std::string lower = LowerCase(tag);
  for (const StylesheetRow& row : kStylesheetRows) {
    if (lower.find(row.name) != std::string::npos &&
        (row.also.empty() || lower.find(row.also) != std::string::npos)) {
      page.writer.WriteText(row.line);
      return;
    }
  }
  page.writer.WriteText("<" + tag + ">");
}

}  // namespace check_html
