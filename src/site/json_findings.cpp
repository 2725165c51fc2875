#include "site/json_findings.h"

#include <nlohmann/json.hpp>

#include "platform/text_utf8.h"
#include "run/run_context.h"
#include "site/anchor_check.h"
#include "site/external_report.h"
#include "site/link_findings.h"
#include "site/link_functions.h"
#include "site/site_database.h"
#include "site/text_file.h"

namespace check_html {
namespace {

using Json = nlohmann::ordered_json;

class FindingsDocument {
 public:
  explicit FindingsDocument(const RunContext& run) : run_(run), db_(*run.Database) {}

  Json Make() const {
    Json document;
    document["site"] = {{"start", Link(db_.Files()[1])},
                        {"pages_scanned", db_.ScannedCount()},
                        {"files", db_.FileCount()},
                        {"pictures", db_.PicCount()}};
    document["missing"] = Missing();
    if (run_.Opts.CheckAnchors) document["missing_anchors"] = MissingAnchors();
    if (run_.Opts.CheckExternal) document["external"] = External();
    Json unreferenced = Json::array();
    for (const std::string& path : db_.Unreferenced()) unreferenced.push_back(Link(path));
    document["unreferenced"] = std::move(unreferenced);
    return document;
  }

 private:
  std::string Link(const std::string& path) const {
    return Utf8From1252(ReportLink(path, run_.SaveDir));
  }
  Json Pages(const std::vector<int32_t>& pages) const {
    Json from = Json::array();
    for (const int32_t page : pages) from.push_back(Link(db_.Files()[page]));
    return from;
  }

  Json Missing() const {
    Json missing = Json::array();
    for (const int32_t i : MissingLinks(db_, run_.SaveDir)) {
      std::vector<int32_t> from;
      for (const LinkNode& node : db_.FileRecords()[i].LinkedFrom) {
        if (node.Index != 0) from.push_back(node.Index);
      }
      missing.push_back({{"kind", "link"}, {"path", Link(db_.Files()[i])}, {"from", Pages(from)}});
    }
    for (const int32_t j : MissingPictures(db_, run_.SaveDir)) {
      std::vector<int32_t> from;
      for (const LinkNode& node : db_.PicRecords()[j].UsedBy) from.push_back(node.Index);
      missing.push_back(
          {{"kind", "picture"}, {"path", Link(db_.Pictures()[j])}, {"from", Pages(from)}});
    }
    return missing;
  }

  Json MissingAnchors() const {
    Json anchors = Json::array();
    for (const MissingAnchor& anchor : FindMissingAnchors(db_)) {
      Json row = {{"page", Link(db_.Files()[anchor.target])},
                  {"fragment", Utf8From1252(anchor.fragment)}};
      if (!anchor.nearly.empty()) row["nearly"] = Utf8From1252(anchor.nearly);
      row["from"] = Pages(anchor.from);
      anchors.push_back(std::move(row));
    }
    return anchors;
  }

  // The broken and permanently moved addresses, in the report's order.
  Json External() const {
    Json rows = Json::array();
    for (const bool broken : {true, false}) {
      for (const ExternalFinding& finding : db_.External()) {
        const ExternalVerdict verdict = finding.result.verdict;
        if (!finding.asked || (verdict == ExternalVerdict::kBroken) != broken ||
            verdict == ExternalVerdict::kOk) {
          continue;
        }
        Json row = {{"address", Utf8From1252(finding.address)},
                    {"verdict", broken ? "broken" : "moved"},
                    {"status", finding.result.status}};
        if (broken) row["error"] = Utf8From1252(VerdictText(finding.result));
        if (!broken) row["new_address"] = Utf8From1252(finding.result.new_address);
        row["from"] = Pages(finding.from);
        rows.push_back(std::move(row));
      }
    }
    return rows;
  }

  const RunContext& run_;
  const SiteDatabase& db_;
};

}  // namespace

std::string JsonFindings(const RunContext& run) {
  return FindingsDocument(run).Make().dump(2) + "\n";
}

void WriteJsonFindings(RunContext& run, const std::string& path) {
  run.ShowStatus("Speichere File " + path);
  SaveTextFile(run.Files(), path, JsonFindings(run));
}

}  // namespace check_html
