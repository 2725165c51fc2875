// What the external-link check found for one address.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace check_html {

enum class ExternalVerdict {
  kOk,      // 2xx, directly or at the end of temporary redirects
  kMoved,   // 2xx at the end of a chain with a 301 or 308: the pages should link the new address
  kBroken,  // 4xx, 5xx, too many redirects, or no answer
};

struct ExternalResult {
  ExternalVerdict verdict = ExternalVerdict::kBroken;
  int status = 0;            // the last HTTP status; 0 when none came
  std::string error;         // why no usable answer came; empty when `status` says it
  std::string new_address;   // kMoved: where the chain ends
  int64_t checked_at = 0;    // when it was asked, seconds since 1970
};

// One address the pages link to, with what was found and who links it.
struct ExternalFinding {
  std::string address;        // as the pages write it, without the fragment
  std::vector<int32_t> from;  // the referring pages (Files indexes), each once, in order met
  ExternalResult result;
  bool from_cache = false;    // the result is an earlier run's
  bool asked = false;         // false: the check stopped before an answer came
};

}  // namespace check_html
