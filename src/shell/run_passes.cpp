// The passes of a check run. Each pass is built in its own part of the program; until then its
// member does nothing.
#include "shell/html_thread.h"

namespace check_html {

void THTML_Thread::BuildChapterContents(const std::string& /*start_file*/) {}
void THTML_Thread::WriteLatexIndex() {}
void THTML_Thread::ConvertGifs() {}
void THTML_Thread::UpdatePageLists() {}
void THTML_Thread::CopySpecial() {}
void THTML_Thread::RepairTables(const std::string& /*page*/) {}

}  // namespace check_html
