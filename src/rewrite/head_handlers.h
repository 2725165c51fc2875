// Handlers for the head of a page: the body tag, scripts and stylesheet links. Each writes the
// house form of the tag through the page writer.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

// Writes the bare body tag: "<body>" for converter pages, "<BODY>" otherwise.
void HandleBody(PageRewrite& page, const std::string& tag);
// Also consumes the script's content and end tag from the page. Scripts an earlier run wrote
// (ID "zq_x_..." other than the section labels "zq_x_3") and MathJax scripts are dropped; any
// other script is written as a line of its own.
void HandleScript(PageRewrite& page, const std::string& tag);
// Replaces a link to one of the site's stylesheets by the link of the page's kind.
void HandleStylesheet(PageRewrite& page, const std::string& tag);

}  // namespace check_html
