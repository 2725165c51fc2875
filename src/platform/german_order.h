// The order a German reader expects of Windows-1252 texts (the LaTeX index): letter case
// ignored, umlauts beside their base letters, accents counted. Two halves: Linux (ICU's German
// collator at secondary strength) and Windows (CompareStringEx, "de-DE", LINGUISTIC_IGNORECASE,
// punctuation compared as symbols). One table of test cases holds both to the same order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace check_html {

// The positions of `texts` in that order; texts that compare equal keep their positions' order.
std::vector<std::size_t> GermanOrder(const std::vector<std::string>& texts);

}  // namespace check_html
