#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::WriteUnreferenced(const std::string& /*path*/) {}

}  // namespace check_html
