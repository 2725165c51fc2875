// The news pages: every dated anchor of the chain, newest first, in a table of date, page and
// comment. The news page "overview_main.html" also loads the site's two date scripts and calls
// their Show_Act_Dates after the table; the news list file is the same table without them.
#include "lists/news_list.h"

#include <optional>
#include <string>
#include <vector>

#include "lists/news_entry.h"
#include "run/run_context.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

void AddNewsHead(const RunContext& run, ReportText& page, bool with_scripts) {
  page.AddLine(ReportHtmlLine(run.Opts));
  page.AddLine("<HEAD>");
  page.AddLine("<TITLE>Aktuelles</TITLE>");
  if (with_scripts) {
    page.AddLine(
        "<SCRIPT LANGUAGE=\"javaScript\" SRC=\"../styles/show_termine.js\" "
        "TYPE=\"text/javascript\"></SCRIPT>");
    page.AddLine(
        "<SCRIPT LANGUAGE=\"javaScript\" SRC=\"../styles/termin_daten.js\" "
        "TYPE=\"text/javascript\"></SCRIPT>");
  }
  page.AddLine(
      "<LINK HREF=\"../styles/overview.css\" REL=\"stylesheet\" TITLE=\"zq\" TYPE=\"text/css\">");
  page.AddLine("</HEAD>");
  page.AddLine(kReportBodyLine);
  page.AddLine("<H2>List of new changes</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  page.AddLine(
      "<TR><TD><H3>Date of Change</H3></TD><TD><H3>File</H3></TD><TD><H3>Comment</H3></TD></TR>");
}

}  // namespace

// Dated anchors beyond the capacity are left off the page, whose size is fixed, and one "!!!"
// line tells how many, so that none is dropped unnoticed.
void WriteNewsList(RunContext& run, const std::string& path, bool with_scripts) {
  ReportPage page(run, path);
  AddNewsHead(run, page, with_scripts);

  std::vector<NewsEntry> entries;
  std::size_t dropped = 0;
  for (const Item& item : run.Database->Items()) {
    if (!item.Name.starts_with('$')) continue;
    const std::optional<AnchorDate> date = ReadAnchorDate(item.Name);
    if (!date) continue;
    if (entries.size() == kNewsCapacity) {
      ++dropped;
    } else {
      entries.push_back(MakeNewsEntry(item, *date, run.SaveDir));
    }
  }
  SortNewestFirst(entries);
  for (const NewsEntry& entry : entries) {
    page.AddLine(entry.DateCell);
    page.AddLine(entry.FileCell);
    page.AddLine(entry.CommentCell);
  }

  page.AddLine("</TABLE>");
  if (with_scripts) {
    for (const char* line :
         {"<SCRIPT LANGUAGE=\"Javascript\">", "<!--", "Show_Act_Dates();", "//-->", "</SCRIPT>"})
      page.AddLine(line);
  }
  page.Finish();
  if (dropped > 0) {
    run.LogLine("!!!News list full: " + std::to_string(dropped) + " dated anchors dropped from " +
            path);
  }
}

}  // namespace check_html
