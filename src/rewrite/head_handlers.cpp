// Stand-in until the head handlers are built: tags are written through.
#include "rewrite/head_handlers.h"

#include "rewrite/page_rewrite.h"

namespace check_html {

void HandleBody(PageRewrite& page, const std::string& tag) { page.writer.WriteText("<" + tag + ">"); }
void HandleScript(PageRewrite& page, const std::string& tag) {
  page.writer.WriteText("<" + tag + ">");
}
void HandleStylesheet(PageRewrite& page, const std::string& tag) {
  page.writer.WriteText("<" + tag + ">");
}

}  // namespace check_html
