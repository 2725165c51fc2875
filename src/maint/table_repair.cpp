#include "maint/table_repair.h"

#include "maint/table_reading.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr size_t kNameWidth = 255;  // the page parameter is a string[255]

// Writes the repaired page under its own name from the text the reader holds. With a backup
// name the page is first moved there; should the write fail before the new page exists, the
// backup goes back to the page's name. Without one the page is replaced in one write.
void RewritePage(RunContext& run, const std::string& page, const std::string* bak) {
  FileSystem& files = run.Files();
  if (bak != nullptr) RenameFile(files, page, *bak);
  try {
    run.Writer.BeginOutput(page);
    TableReading(run, page).Run();
    run.Writer.WriteLine("  ");
    run.Writer.WriteLine("  ");
    run.Writer.SaveOutput();
  } catch (...) {
    run.Reader.ClosePage();
    if (bak != nullptr && !files.Exists(page)) files.Rename(*bak, page);
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

void RepairTables(RunContext& run, const std::string& page) {
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
  // The page's rewrite earlier in this run left the text from before the run in the backup:
  // it stays, or the run would keep none of the page's old bytes.
  FileSystem& files = run.Files();
  RewritePage(run, path, files.Exists(bak) ? nullptr : &bak);
  if (run.Opts.BakClear) DeleteFile(files, bak);
}

}  // namespace check_html
