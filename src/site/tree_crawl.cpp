#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::CrawlTree(const std::string& /*start_file*/) {}

}  // namespace check_html
