// The findings of the link check as one JSON document, for scripts and CI:
//
//   {
//     "site": {"start": "../start.html", "pages_scanned": 3, "files": 9, "pictures": 4},
//     "missing": [{"kind": "link", "path": "../kap1/gone.html", "from": ["../start.html"]},
//                 {"kind": "picture", "path": "../styles/x.gif", "from": ["../start.html"]}],
//     "missing_anchors": [{"page": "../kap1/a.html", "fragment": "top", "nearly": "Top",
//                          "from": ["../start.html"]}],
//     "external": [{"address": "http://example.org/gone", "verdict": "broken", "status": 404,
//                   "error": "404", "from": ["../start.html"]},
//                  {"address": "http://example.org/old", "verdict": "moved", "status": 200,
//                   "new_address": "https://example.org/new", "from": ["../start.html"]}],
//     "unreferenced": ["../kap1/old.html"]
//   }
//
// Paths are written as the reports write them; "missing_anchors" is there only when anchors are
// checked ("nearly" only for a fragment that differs from an anchor in letter case alone),
// "external" only when external links are checked (broken ones first, then permanent redirects). Text
// is UTF-8, the pages' 8-bit names read as Windows-1252.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// The document of the run's site database so far. Written at `path` in one piece (temporary
// file and rename); FileError when it cannot be written.
std::string JsonFindings(const RunContext& run);
void WriteJsonFindings(RunContext& run, const std::string& path);

}  // namespace check_html
