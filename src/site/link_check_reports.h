// The link-check reports of a run, written from the site database after the crawl, each to
// `path`. A link check that changes nothing writes the first three.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// The cross-check page: every file and picture by number, with its links in both directions.
void WriteCrossCheck(RunContext& run, const std::string& path);

// The failure page: every missing link target and picture with the pages that refer to them.
// With GiF2PNGItem on (and not CheckOnly), pages showing a missing GIF are switched to its PNG.
void WriteFailures(RunContext& run, const std::string& path);

// The page of files in the scanned folders that nothing refers to. ".bak" files are left out;
// with BakClear on (and not CheckOnly) they are deleted.
void WriteUnreferenced(RunContext& run, const std::string& path);

// The reference list for the PDF converter, written only in converter mode (tex_html).
void WriteRefList(RunContext& run, const std::string& path);

}  // namespace check_html
