// The image handler: writes the rewritten IMG tag.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

void HandleImage(PageRewrite& page, const std::string& tag);

}  // namespace check_html
