// The passes of a check run that live in the lists and maintenance folders.
#include "shell/html_thread.h"

#include "lists/chapter_contents.h"
#include "lists/latex_index.h"
#include "maint/gif_to_png.h"
#include "maint/page_list_update.h"
#include "maint/special_copy.h"
#include "maint/table_repair.h"

namespace check_html {

void THTML_Thread::BuildChapterContents(const std::string& start_file) {
  check_html::BuildChapterContents(*this, start_file);
}
void THTML_Thread::WriteLatexIndex() { check_html::WriteLatexIndex(*this); }
void THTML_Thread::ConvertGifs() { check_html::ConvertGifs(*this); }
void THTML_Thread::UpdatePageLists() { check_html::UpdatePageLists(*this); }
void THTML_Thread::CopySpecial() { check_html::CopySpecial(*this); }
void THTML_Thread::RepairTables(const std::string& page) { check_html::RepairTables(*this, page); }

}  // namespace check_html
