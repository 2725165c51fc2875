// The anchor check: links whose fragment names no anchor of their page, found from the anchor
// table the crawl filled (CheckAnchors), and the report page that lists them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace check_html {

class RunContext;
class SiteDatabase;

struct MissingAnchor {
  int32_t target = 0;    // the page (Files index)
  std::string fragment;  // as the first link writes it
  // The anchor of the page that differs from the fragment only in letter case, as its key
  // reads in Windows-1252; empty when there is none.
  std::string nearly;
  std::vector<int32_t> from;  // the linking pages, each once, in the order met
};

// Every fragment that names no anchor of a page that exists and was scanned, once per page and
// fragment key: a link to a missing page is a missing page, not a missing anchor, and the
// anchors of a page that was not scanned (not HTML, or outside the followed folders) are not
// known. In the order of the failure report: by page number, then by first mention.
std::vector<MissingAnchor> FindMissingAnchors(const SiteDatabase& db);

// The report page of the missing anchors (CheckAnchors): one row per page and fragment with
// "From :" and every linking page, in the look of the failure report.
void WriteMissingAnchors(RunContext& run, const std::string& path);

}  // namespace check_html
