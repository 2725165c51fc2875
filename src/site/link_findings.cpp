#include "site/link_findings.h"

#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/anchor_check.h"
#include "site/external_result.h"
#include "site/link_functions.h"
#include "site/site_database.h"

namespace check_html {

bool IsExternalReportLink(std::string_view report_link) {
  const std::string lower = LowerCase(report_link);
  const std::string_view head = std::string_view(lower).substr(0, 7);
  return head == "http://" || head == "https:/" || head == "mailto:" ||
         lower.starts_with("javascript:");
}

std::vector<int32_t> MissingLinks(const SiteDatabase& db, std::string_view save_dir) {
  std::vector<int32_t> missing;
  for (int32_t i = 1; i <= db.FileCount(); ++i) {
    if (db.FileRecords()[i].Exists) continue;
    if (!IsExternalReportLink(ReportLink(db.Files()[i], save_dir))) missing.push_back(i);
  }
  return missing;
}

std::vector<int32_t> MissingPictures(const SiteDatabase& db, std::string_view save_dir) {
  std::vector<int32_t> missing;
  for (int32_t j = 1; j <= db.PicCount(); ++j) {
    if (db.PicRecords()[j].Exists) continue;
    if (!IsExternalReportLink(ReportLink(db.Pictures()[j], save_dir))) missing.push_back(j);
  }
  return missing;
}

int CountBroken(const RunContext& run) {
  if (run.Database == nullptr) return 0;
  const SiteDatabase& db = *run.Database;
  std::size_t broken = MissingLinks(db, run.SaveDir).size() + MissingPictures(db, run.SaveDir).size();
  if (run.Opts.CheckAnchors) broken += FindMissingAnchors(db).size();
  for (const ExternalFinding& finding : db.External()) {
    if (finding.asked && finding.result.verdict == ExternalVerdict::kBroken) ++broken;
  }
  return static_cast<int>(broken);
}

}  // namespace check_html
