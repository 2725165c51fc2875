// The failure page: every missing link target and every missing picture with the pages that
// refer to them. External addresses cannot be found on disk and are not failures, so they
// are left out. With GiF2PNGItem on, pages showing a missing GIF are switched to its PNG.
#include "site/link_check_reports.h"

#include <string_view>

#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/link_findings.h"
#include "site/link_functions.h"
#include "site/pic_ref_switch.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

bool IsGif(const std::string& picture) { return LowerCase(picture).ends_with(".gif"); }

void AddMissingFiles(ReportText& page, const SiteDatabase& db, const std::string& save_dir) {
  for (const int32_t i : MissingLinks(db, save_dir)) {
    page.AddLine("<TR>");
    page.AddLine("<TD> " + ReportLink(db.Files()[i], save_dir) + " </TD> <TD>");
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
  for (const int32_t j : MissingPictures(db, run.SaveDir)) {
    const std::string& picture = db.Pictures()[j];
    const std::string link = ReportLink(picture, run.SaveDir);
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
