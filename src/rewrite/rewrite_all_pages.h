// The rewrite pass of a run.
#pragma once

namespace check_html {

class RunContext;

// Rewrites every page the crawl found, in the order of Files, once each (CleanFile): pages
// named ".htm" move to ".html" (converter mode writes the ".html" beside them), CleanedList
// collects the rewritten pages. With BindNoBack only pages below the chapter folders are
// rewritten. Ends before the next page when the run is stopped.
void RewriteAllPages(RunContext& run);

}  // namespace check_html
