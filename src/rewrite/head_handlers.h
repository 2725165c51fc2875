// Handlers for the head of a page: the body tag, scripts and stylesheet links.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

void HandleBody(PageRewrite& page, const std::string& tag);
// Also consumes the script's content and end tag from the page.
void HandleScript(PageRewrite& page, const std::string& tag);
void HandleStylesheet(PageRewrite& page, const std::string& tag);

}  // namespace check_html
