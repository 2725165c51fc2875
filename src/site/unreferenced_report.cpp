// The page of files that nothing refers to: every file in a folder of a scanned page that is
// neither a recorded link target nor a recorded picture. Backup files (".bak") are not listed;
// with BakClear on they are deleted, unless the run is a link check that changes nothing.
#include "site/link_check_reports.h"

#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"
#include "site/text_file.h"

namespace check_html {

void WriteUnreferenced(RunContext& run, const std::string& path) {
  SiteDatabase& db = *run.Database;
  db.Unreferenced().clear();
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "Non coupled data", "Nicht zugeordnete Dateien"));
  for (int32_t f = 1; f <= db.FolderCount(); ++f) {
    const std::string& folder = db.Folders()[f];
    page.AddLine("<H2> " + ReportLink(folder, run.SaveDir) + " </H2>");
    for (const FolderEntry& entry : run.Files().ListFolder(folder, "*.*")) {
      const std::string name = LowerCase(entry.name);
      // Names beginning with "." include the temporary files of our own atomic writes.
      if (name.starts_with('.') || entry.is_folder) continue;
      const std::string full = folder + name;
      if (db.FindPicture(full) != 0 || db.FindFile(full) != 0) continue;
      if (!full.ends_with(".bak")) {
        page.AddLine(ReportLink(full, run.SaveDir) + " <BR>");
        db.Unreferenced().push_back(full);
      } else if (run.Opts.BakClear && !run.CheckOnly) {
        DeleteFile(run.Files(), folder + entry.name);  // the stored name: "A.bak" and "a.bak" differ
      }
    }
  }
  page.Finish();
}

}  // namespace check_html
