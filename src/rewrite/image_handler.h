// The image handler: writes an IMG tag in the house form. Called by the page rewrite and, inside
// tables, by the table handler, after the text in front of the tag has been written.
#pragma once

#include <string>

namespace check_html {

struct PageRewrite;

// Writes "<IMG", the attributes it does not know in their input order, then the known ones in a
// fixed order and upper case; the site's icons get their fixed sizes and paths, large pictures a
// reduced size with a screen-size script and an enlarge handler.
void HandleImage(PageRewrite& page, const std::string& tag);

}  // namespace check_html
