// The end of a run fixes the page list for table repair and the backbone list (window thread).
#pragma once

namespace check_html {

class RunContext;

// Skipped once the run was asked to stop. Every entry of CleanedList is turned into backslash
// form and lower case. With BindBack on, the backbone pages (lower-cased) come first in their
// order, followed by the other rewritten pages below RootPrefix (the site folder and "\kap"),
// sorted; pages outside the chapter folders drop out. With BindBack off CleanedList is copied
// over BackboneList. Every entry and the count of the result are logged.
void UpdatePageLists(RunContext& run);

}  // namespace check_html
