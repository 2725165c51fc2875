// Table repair of one rewritten page.
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void RepairTables(THTML_Thread& run, const std::string& page);

}  // namespace check_html
