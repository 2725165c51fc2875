#include "site/anchor_check.h"

#include <algorithm>
#include <map>
#include <utility>

#include "platform/text_utf8.h"
#include "run/run_context.h"
#include "site/anchor_names.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

// The page's anchor whose key differs from `key` only in letter case, or "".
std::string NearlyMatching(const AnchorTable& anchors, int32_t page, const std::string& key) {
  const std::string folded = FoldedKey(key);
  for (const std::string& anchor : anchors.Anchors(page)) {
    if (FoldedKey(anchor) == folded) return Utf8To1252(anchor);
  }
  return "";
}

}  // namespace

std::vector<MissingAnchor> FindMissingAnchors(const SiteDatabase& db) {
  const AnchorTable& anchors = db.Anchors();
  std::vector<MissingAnchor> missing;
  std::map<std::pair<int32_t, std::string>, std::size_t> row_of;  // (page, key) -> row
  for (const FragmentRef& ref : anchors.Fragments()) {
    if (ref.target <= 0 || !db.FileRecords()[static_cast<std::size_t>(ref.target)].Exists) continue;
    if (!anchors.Known(ref.target) || anchors.Defines(ref.target, ref.key)) continue;
    const auto [row, added] = row_of.emplace(std::pair(ref.target, ref.key), missing.size());
    if (added) {
      missing.push_back(MissingAnchor{ref.target, ref.fragment,
                                      NearlyMatching(anchors, ref.target, ref.key), {}});
    }
    std::vector<int32_t>& from = missing[row->second].from;
    if (std::find(from.begin(), from.end(), ref.from) == from.end()) from.push_back(ref.from);
  }
  std::stable_sort(missing.begin(), missing.end(),
                   [](const MissingAnchor& a, const MissingAnchor& b) { return a.target < b.target; });
  return missing;
}

void WriteMissingAnchors(RunContext& run, const std::string& path) {
  const SiteDatabase& db = *run.Database;
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "Missing anchors in HTML-Tree", "Fehlende Anker im HTML-Baum"));
  page.AddLine("<H2>ANKER-Ziele</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  for (const MissingAnchor& anchor : FindMissingAnchors(db)) {
    page.AddLine("<TR>");
    page.AddLine("<TD> " + ReportLink(db.Files()[anchor.target], run.SaveDir) + "#" +
                 anchor.fragment + " </TD> <TD>");
    if (!anchor.nearly.empty()) {
      page.AddLine(std::string(ChooseTitle(run.Opts, "Differs only in letter case from: ",
                                           "Unterscheidet sich nur in Gro&szlig;-/Kleinschreibung von: ")) +
                   anchor.nearly + " <BR>");
    }
    page.AddLine("From :");
    for (int32_t from : anchor.from) page.AddLine("<BR> " + ReportLink(db.Files()[from], run.SaveDir));
    page.AddLine(" </TD></TR>");
  }
  page.AddLine("</TABLE>");
  page.Finish();
}

}  // namespace check_html
