#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::WriteCrossCheck(const std::string& /*path*/) {}

}  // namespace check_html
