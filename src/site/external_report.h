// The external-link check as a pass of the run (CheckExternal) and its report page.
#pragma once

#include <string>
#include <vector>

#include "site/external_result.h"

namespace check_html {

class RunContext;

// Checks every http(s) address of the crawl's links and pictures (results of earlier runs read
// from and kept in the output folder's cache file), keeps the findings in the site database and
// writes the report page at `path`: broken addresses with their referrers, then permanent
// redirects with the new address, then the counts. After a stop request the cache keeps what was
// learned and no report is written.
void CheckExternalLinks(RunContext& run, const std::string& path);

// The report page of `findings`.
void WriteExternalReport(RunContext& run, const std::string& path,
                         const std::vector<ExternalFinding>& findings);

// "404" or the failure text.
std::string VerdictText(const ExternalResult& result);

}  // namespace check_html
