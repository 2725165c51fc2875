// Stand-in until the news lists are built.
#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::WriteNewsList(const std::string& /*path*/, bool /*with_scripts*/) {}

}  // namespace check_html
