// Stand-in until the rewrite pass is built.
#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::RewriteAllPages() {}

}  // namespace check_html
