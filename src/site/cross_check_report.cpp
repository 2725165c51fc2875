// The cross-check page: every file and every picture of the site database by number, with its
// links in both directions. A row's own number is negative when its file is missing; the
// numbers in its lists carry the signs the crawl stored.
#include "site/link_check_reports.h"

#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

int32_t RowNumber(int32_t i, bool exists) { return exists ? i : -i; }

void AddFileRow(ReportText& page, const SiteDatabase& db, int32_t i,
                const std::string& save_dir) {
  const FileRec& record = db.FileRecords()[i];
  page.AddLine("<TR>");
  page.AddLine("<TD WIDTH=\"100\"> " + std::to_string(RowNumber(i, record.Exists)) +
               " </TD> <TD>");
  page.AddLine(ReportLink(db.Files()[i], save_dir) + ": <FONT COLOR=\"#FF0000\">" +
               db.Titles()[i] + "</FONT> <BR>");
  if (record.Exists) {
    page.Add("To   : ");
    page.AddNumbers(record.LinksTo);
    page.AddLine(" <BR>");
  }
  page.Add("From : ");
  page.AddNumbers(record.LinkedFrom);
  if (record.Exists) {
    page.AddLine(" <BR>");
    page.Add("Pics : ");
    page.AddNumbers(record.Pics);
  }
  page.AddLine(" </TD></TR>");
}

void AddPictureRow(ReportText& page, const SiteDatabase& db, int32_t j,
                   const std::string& save_dir) {
  const PicRec& record = db.PicRecords()[j];
  page.AddLine("<TR>");
  page.AddLine("<TD WIDTH=\"50\"> " + std::to_string(RowNumber(j, record.Exists)) +
               " </TD> <TD>");
  page.AddLine(ReportLink(db.Pictures()[j], save_dir) + " <BR>");
  page.Add("From : ");
  page.AddNumbers(record.UsedBy);
  page.AddLine(" </TD></TR>");
}

}  // namespace

void WriteCrossCheck(RunContext& run, const std::string& path) {
  const SiteDatabase& db = *run.Database;
  ReportPage page(run, path);
  page.AddHead("CrossCheck des HTML-Baums");  // one title in both languages
  page.AddLine("<H2>HTML-Files</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  for (int32_t i = 1; i <= db.FileCount(); ++i) AddFileRow(page, db, i, run.SaveDir);
  page.AddLine("</TABLE>");
  page.AddLine("<HR>");
  page.AddLine("<H2>PICTURE-Files</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  for (int32_t j = 1; j <= db.PicCount(); ++j) AddPictureRow(page, db, j, run.SaveDir);
  page.AddLine("</TABLE>");
  page.Finish();
}

}  // namespace check_html
