// The frame handler: the source of a frame is normalised like every link of the site.
#include "rewrite/anchor_handler.h"

#include "html/attributes.h"
#include "rewrite/page_rewrite.h"
#include "site/link_functions.h"

namespace check_html {

// A tag without a source (a frameset) is written unchanged rather than given an empty one.
void HandleFrame(PageRewrite& page, const std::string& tag) {
  std::string rewritten = tag;
  const std::string source = GetAttribute("src", tag);
  if (!source.empty()) SetAttribute("src", NormalizeLink(source), rewritten);
  page.writer.WriteText("<" + rewritten + ">");
}

}  // namespace check_html
