// The end of a run fixes the page lists for table repair and the backbone list (window thread).
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void UpdatePageLists(THTML_Thread& run);

}  // namespace check_html
