// Stand-in until the names, abbreviations and translations lists are built.
#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::WriteAbbrevList(const std::string& /*path*/) {}
void THTML_Thread::WriteTranslList(const std::string& /*path*/) {}
void THTML_Thread::WriteNameList(const std::string& /*path*/) {}

}  // namespace check_html
