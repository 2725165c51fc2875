#include "maint/table_repair.h"

#include "maint/table_reading.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "shell/html_thread.h"
#include "shell/options.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr size_t kNameWidth = 255;  // the page parameter is a string[255]

// Reads the moved page and writes it under its own name. Should that fail before the new page
// exists, the backup goes back to the page's name.
void RewritePage(THTML_Thread& run, const std::string& page, const std::string& bak) {
  FileSystem& files = run.Files();
  RenameFile(files, page, bak);
  try {
    run.Writer.BeginOutput(page);
    TableReading(run, page).Run();
    run.Writer.WriteLine("  ");
    run.Writer.WriteLine("  ");
    run.Writer.SaveOutput();
  } catch (...) {
    run.Reader.ClosePage();
    if (!files.Exists(page)) files.Rename(bak, page);
    throw;
  }
  run.Reader.ClosePage();
}

}  // namespace

std::string TableBackupName(const std::string& page) {
  const size_t n = page.size();
  if (n >= 4 && page[n - 4] == '.') return page.substr(0, n - 3) + "bak";
  return page.substr(0, n >= 4 ? n - 4 : 0) + "bak";
}

void RepairTables(THTML_Thread& run, const std::string& page) {
  const std::string path = page.substr(0, kNameWidth);
  run.ShowStatus(kTableRepairStatus + path);
  const std::string bak = TableBackupName(path);
  if (EqualNoCase(bak, path)) {
    run.LogLine("!!!" + std::string(kBakIsPageText) + path);
    return;
  }
  // Loaded before anything changes, so a page that cannot be read stays as it is.
  run.Reader.LoadPage(path);
  if (!run.Reader.PageEnd()) {
    run.Reader.ClosePage();
    run.LogLine("!!!" + std::string(kNoEndNotRepairedText) + path);
    return;
  }
  FileSystem& files = run.Files();
  if (files.Exists(bak)) DeleteFile(files, bak);
  RewritePage(run, path, bak);
  if (BakClear) DeleteFile(files, bak);
}

}  // namespace check_html
