// The failure page: every missing link target and every missing picture with the pages that
// refer to them. External addresses cannot be found on disk and are not failures, so they
// are left out. With GiF2PNGItem on, pages showing a missing GIF are switched to its PNG.
#include "site/link_check_reports.h"

#include <string_view>

#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/pic_ref_switch.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

// The external test of the failure page, on the link the report would write.
bool IsExternal(const std::string& report_link) {
  const std::string lower = LowerCase(report_link);
  const std::string_view head = std::string_view(lower).substr(0, 7);
  return head == "http://" || head == "https:/" || head == "mailto:" ||
         lower.starts_with("javascript:");
}

bool IsGif(const std::string& picture) { return LowerCase(picture).ends_with(".gif"); }

void AddMissingFiles(ReportText& page, const SiteDatabase& db, const std::string& save_dir) {
  for (int32_t i = 1; i <= db.FileCount(); ++i) {
    const std::string link = ReportLink(db.Files()[i], save_dir);
    if (db.FileRecords()[i].Exists || IsExternal(link)) continue;
    page.AddLine("<TR>");
    page.AddLine("<TD> " + link + " </TD> <TD>");
    page.AddLine("From :");
    for (const LinkNode& node : db.FileRecords()[i].LinkedFrom) {
      if (node.Index != 0) page.AddLine("<BR> " + ReportLink(db.Files()[node.Index], save_dir));
    }
    page.AddLine(" </TD></TR>");
  }
}

}  // namespace

void WriteFailures(RunContext& run, const std::string& path) {
  const SiteDatabase& db = *run.Database;
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "Failure in HTML-Tree", "Fehler im HTML-Baum"));
  page.AddLine("<H2>HTML-Dateien</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  AddMissingFiles(page, db, run.SaveDir);
  page.AddLine("</TABLE>");
  page.AddLine("<HR>");
  page.AddLine("<H2>PICTURE-Dateien</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  for (int32_t j = 1; j <= db.PicCount(); ++j) {
    const std::string& picture = db.Pictures()[j];
    const std::string link = ReportLink(picture, run.SaveDir);
    if (db.PicRecords()[j].Exists || IsExternal(link)) continue;
    const bool switch_refs = run.Opts.GiF2PNGItem && !run.CheckOnly && IsGif(picture);
    page.AddLine("<TR>");
    page.AddLine("<TD> " + link + " </TD> <TD>");
    page.AddLine("From : ");
    for (const LinkNode& node : db.PicRecords()[j].UsedBy) {
      const std::string& user = db.Files()[node.Index];
      page.AddLine("<BR> " + ReportLink(user, run.SaveDir));
      if (switch_refs) SwitchPicRef(run.Files(), user, picture);
    }
    page.AddLine(" </TD></TR>");
  }
  page.AddLine("</TABLE>");
  page.Finish();
}

}  // namespace check_html
