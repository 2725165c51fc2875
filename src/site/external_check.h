// The external-link check itself: asks every address that the cache cannot answer, within the
// limits of all requests and of requests to one host, follows redirects, retries once where a
// server asks for patience, and turns the answers into verdicts.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "run/options.h"
#include "site/external_result.h"

namespace check_html {

class ExternalCache;
class HttpClient;

inline constexpr int kMaxRedirects = 10;
inline constexpr int kMaxRetryAfterSeconds = 30;

struct ExternalCheckHooks {
  std::function<bool()> stopped = [] { return false; };
  // `done` of `total` addresses have their verdict (cached ones count as done at once).
  std::function<void(int done, int total)> progress = [](int, int) {};
  // Called every `save_every` with the cache as it stands, so a stopped run keeps what it learned.
  std::function<void(const ExternalCache&)> save = [](const ExternalCache&) {};
  std::chrono::milliseconds save_every{5000};
  // The pause before a retry when the server names none.
  std::chrono::milliseconds retry_pause{1000};
};

// Fills the result of every finding: from `cache` when it holds a fresh one, else by asking
// through `client` at `now` (seconds since 1970); new results go into `cache`. Returns early
// (within a poll of 100 ms) once `hooks.stopped()`; findings without an answer keep
// `asked == false`.
void CheckExternalAddresses(std::vector<ExternalFinding>& findings, const ExternalSettings& settings,
                            HttpClient& client, ExternalCache& cache, int64_t now,
                            const ExternalCheckHooks& hooks);

}  // namespace check_html
