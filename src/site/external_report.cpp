#include "site/external_report.h"

#include <algorithm>
#include <chrono>

#include "platform/file_system.h"
#include "platform/http_client.h"
#include "run/run_context.h"
#include "site/external_addresses.h"
#include "site/external_cache.h"
#include "site/external_check.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"
#include "site/text_file.h"

namespace check_html {
namespace {

int64_t SecondsNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

ExternalCache LoadCache(const FileSystem& files, const std::string& path) {
  std::string text;
  if (files.ReadFile(path, text) != FileStatus::kOk) return {};
  return ExternalCache::Parse(text);
}

void AddReferrers(ReportText& page, const RunContext& run, const ExternalFinding& finding) {
  page.AddLine("From :");
  for (const int32_t from : finding.from) {
    page.AddLine("<BR> " + ReportLink(run.Database->Files()[from], run.SaveDir));
  }
  page.AddLine(" </TD></TR>");
}

}  // namespace

std::string VerdictText(const ExternalResult& result) {
  if (!result.error.empty()) return result.error;
  return std::to_string(result.status);
}

void WriteExternalReport(RunContext& run, const std::string& path,
                         const std::vector<ExternalFinding>& findings) {
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "External links of HTML-Tree", "Externe Links im HTML-Baum"));
  page.AddLine("<H2>EXTERN-Fehler</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  int ok = 0, cached = 0, checked = 0;
  for (const ExternalFinding& finding : findings) {
    if (!finding.asked) continue;
    ++checked;
    if (finding.from_cache) ++cached;
    if (finding.result.verdict == ExternalVerdict::kOk) ++ok;
    if (finding.result.verdict != ExternalVerdict::kBroken) continue;
    page.AddLine("<TR>");
    page.AddLine("<TD> " + finding.address + " </TD> <TD>");
    page.AddLine(VerdictText(finding.result) + " <BR>");
    AddReferrers(page, run, finding);
  }
  page.AddLine("</TABLE>");
  page.AddLine("<HR>");
  page.AddLine(std::string("<H2>") +
               std::string(ChooseTitle(run.Opts, "Moved permanently", "Dauerhaft umgezogen")) +
               "</H2>");
  page.AddLine("<TABLE BORDER=\"1\">");
  for (const ExternalFinding& finding : findings) {
    if (!finding.asked || finding.result.verdict != ExternalVerdict::kMoved) continue;
    page.AddLine("<TR>");
    page.AddLine("<TD> " + finding.address + " </TD> <TD>");
    page.AddLine("&rarr; " + finding.result.new_address + " <BR>");
    AddReferrers(page, run, finding);
  }
  page.AddLine("</TABLE>");
  page.AddLine("<HR>");
  page.AddLine(std::string(ChooseTitle(run.Opts, "Checked: ", "Gepr&uuml;ft: ")) +
               std::to_string(checked) + ", OK: " + std::to_string(ok) +
               std::string(ChooseTitle(run.Opts, ", from the cache: ", ", aus dem Cache: ")) +
               std::to_string(cached) + " <BR>");
  page.Finish();
}

void CheckExternalLinks(RunContext& run, const std::string& path) {
  SiteDatabase& db = *run.Database;
  std::vector<ExternalFinding>& findings = db.External();
  findings = CollectExternalAddresses(db);
  const std::string cache_path = run.ReportPath(kExternalCacheName);
  ExternalCache cache = LoadCache(run.Files(), cache_path);
  const ExternalSettings& settings = run.Opts.External;
  const std::unique_ptr<HttpClient> client =
      MakeHttpClient(HttpLimits{std::max(1, settings.Timeout) * 1000, settings.UserAgent});
  ExternalCheckHooks hooks;
  hooks.stopped = [&run] { return run.Stopped(); };
  int shown = -1;
  hooks.progress = [&run, &shown](int done, int total) {
    if (done == shown) return;
    shown = done;
    run.ShowStatus("External " + std::to_string(done) + "/" + std::to_string(total));
    run.ShowProgress(done, total);
  };
  hooks.save = [&run, &cache_path](const ExternalCache& kept) {
    SaveTextFile(run.Files(), cache_path, kept.Text());
  };
  CheckExternalAddresses(findings, settings, *client, cache, SecondsNow(), hooks);
  hooks.save(cache);
  if (!run.Stopped()) WriteExternalReport(run, path, findings);
}

}  // namespace check_html
