// The names, abbreviations and translations lists of a run, made from the anchor chain.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// The anchors whose NAME begins with "?", ordered by their explanation.
void WriteAbbrevList(RunContext& run, const std::string& path);
// The anchors whose NAME begins with "\xA7", ordered by their translation.
void WriteTranslList(RunContext& run, const std::string& path);
// The anchors whose NAME begins with "!", grouped by the person's name.
void WriteNameList(RunContext& run, const std::string& path);

}  // namespace check_html
