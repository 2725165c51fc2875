// What the link check found, as the failure report lists it: the link targets and pictures that
// are missing. External addresses cannot be found on disk and are not failures here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace check_html {

class RunContext;
class SiteDatabase;

// The failure report's external test, on the link the report writes for a path.
bool IsExternalReportLink(std::string_view report_link);

// The Files entries that are missing and not external, in table order.
std::vector<int32_t> MissingLinks(const SiteDatabase& db, std::string_view save_dir);
// The Pictures entries that are missing and not external, in table order.
std::vector<int32_t> MissingPictures(const SiteDatabase& db, std::string_view save_dir);

// How many broken things the run's site database holds: missing links and pictures and, when
// anchors are checked, missing anchors; when external links were checked, broken ones.
int CountBroken(const RunContext& run);

}  // namespace check_html
