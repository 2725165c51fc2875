// The news pages of a run, made from the dated anchors of the anchor chain.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// Every dated anchor, newest first, in a table of date, page and comment. `with_scripts` (the
// news page "overview_main.html") also loads the site's date scripts and calls them after it.
void WriteNewsList(RunContext& run, const std::string& path, bool with_scripts);

}  // namespace check_html
