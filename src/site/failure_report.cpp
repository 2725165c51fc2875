#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::WriteFailures(const std::string& /*path*/) {}

}  // namespace check_html
