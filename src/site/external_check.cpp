#include "site/external_check.h"

#include <algorithm>
#include <charconv>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "platform/http_client.h"
#include "site/external_addresses.h"
#include "site/external_cache.h"

namespace check_html {
namespace {

using Clock = std::chrono::steady_clock;

// One address on its way through redirects, method changes and a retry.
struct Job {
  std::size_t finding = 0;
  std::string url;
  std::string host;
  bool head = true;
  bool retried = false;
  bool permanent = false;  // a 301 or 308 was passed
  int hops = 0;
  Clock::time_point not_before{};
};

bool HeadRefused(int status) {
  // 405 and 501 say so; 400 and 403 are what servers that ignore HEAD commonly send.
  return status == 400 || status == 403 || status == 405 || status == 501;
}

std::optional<int> SecondsOf(const std::string& text) {
  int seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || seconds < 0) return std::nullopt;
  return seconds;
}

class Scheduler {
 public:
  Scheduler(std::vector<ExternalFinding>& findings, const ExternalSettings& settings,
            HttpClient& client, ExternalCache& cache, int64_t now, const ExternalCheckHooks& hooks)
      : findings_(findings), settings_(settings), client_(client), cache_(cache), now_(now),
        hooks_(hooks) {}

  void Run() {
    const int total = static_cast<int>(findings_.size());
    for (std::size_t i = 0; i < findings_.size(); ++i) {
      if (auto cached = cache_.Fresh(findings_[i].address, now_, settings_.CacheDays)) {
        Finish(i, *cached, true);
      } else {
        Queue(Job{i, findings_[i].address, HostKey(findings_[i].address)});
      }
    }
    hooks_.progress(done_, total);
    Clock::time_point last_save = Clock::now();
    while (done_ < total && !hooks_.stopped()) {
      StartReady();
      // Nothing open means every waiting job waits for its retry time.
      if (client_.Open() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
      for (HttpAnswer& answer : client_.Collect(std::chrono::milliseconds(100))) Take(answer);
      hooks_.progress(done_, total);
      if (Clock::now() - last_save >= hooks_.save_every) {
        hooks_.save(cache_);
        last_save = Clock::now();
      }
    }
  }

 private:
  void Queue(Job job) { waiting_[job.host].push_back(std::move(job)); }

  // Starts waiting jobs, one host after another, while the limits allow.
  void StartReady() {
    const auto now = Clock::now();
    const std::size_t all = static_cast<std::size_t>(std::max(1, settings_.Connections));
    const int per_host = std::max(1, settings_.PerHost);
    bool started = true;
    while (started && client_.Open() < all) {
      started = false;
      for (auto host = waiting_.begin(); host != waiting_.end() && client_.Open() < all;) {
        std::deque<Job>& jobs = host->second;
        int& open = open_per_host_[host->first];
        const auto ready = std::find_if(jobs.begin(), jobs.end(),
                                        [&](const Job& job) { return job.not_before <= now; });
        if (open < per_host && ready != jobs.end()) {
          const uint64_t id = next_id_++;
          client_.Start(id, RequestAddress(ready->url), ready->head);
          ++open;
          started = true;
          open_jobs_.emplace(id, std::move(*ready));
          jobs.erase(ready);
        }
        host = jobs.empty() ? waiting_.erase(host) : std::next(host);
      }
    }
  }

  void Take(HttpAnswer& answer) {
    const auto found = open_jobs_.find(answer.id);
    if (found == open_jobs_.end()) return;
    Job job = std::move(found->second);
    open_jobs_.erase(found);
    --open_per_host_[job.host];

    if (answer.failure != HttpFailure::kNone) return TakeFailure(std::move(job), answer);
    const int status = answer.status;
    if (status >= 200 && status < 300) {
      const bool moved = job.permanent;
      return Finish(job.finding, Result(moved ? ExternalVerdict::kMoved : ExternalVerdict::kOk,
                                        status, "", moved ? job.url : ""), false);
    }
    if (status >= 300 && status < 400 && !answer.location.empty()) {
      if (job.hops >= kMaxRedirects) {
        return Finish(job.finding, Result(ExternalVerdict::kBroken, status, "too many redirects"), false);
      }
      job.permanent = job.permanent || status == 301 || status == 308;
      job.url = ResolveLocation(job.url, answer.location);
      job.host = HostKey(job.url);
      job.head = true;
      job.retried = false;
      ++job.hops;
      return Queue(std::move(job));
    }
    if (job.head && HeadRefused(status)) {
      job.head = false;
      return Queue(std::move(job));
    }
    // Busy or failing servers get one more chance: 429 and every 5xx.
    if ((status == 429 || status >= 500) && !job.retried) {
      const std::optional<int> seconds = SecondsOf(answer.retry_after);
      return Retry(std::move(job), seconds ? std::chrono::milliseconds(
                                                 1000 * std::min(*seconds, kMaxRetryAfterSeconds))
                                           : hooks_.retry_pause);
    }
    Finish(job.finding, Result(ExternalVerdict::kBroken, status, ""), false);
  }

  void TakeFailure(Job job, const HttpAnswer& answer) {
    // A server that drops a HEAD may still answer a GET.
    const bool dropped = answer.failure == HttpFailure::kReset || answer.failure == HttpFailure::kOther;
    if (job.head && dropped) {
      job.head = false;
      return Queue(std::move(job));
    }
    if (answer.failure == HttpFailure::kReset && !job.retried) {
      return Retry(std::move(job), hooks_.retry_pause);
    }
    Finish(job.finding, Result(ExternalVerdict::kBroken, 0, answer.error), false);
  }

  void Retry(Job job, std::chrono::milliseconds pause) {
    job.retried = true;
    job.not_before = Clock::now() + pause;
    Queue(std::move(job));
  }

  ExternalResult Result(ExternalVerdict verdict, int status, std::string error,
                        std::string new_address = "") const {
    return ExternalResult{verdict, status, std::move(error), std::move(new_address), now_};
  }

  void Finish(std::size_t i, const ExternalResult& result, bool from_cache) {
    ExternalFinding& finding = findings_[i];
    finding.result = result;
    finding.from_cache = from_cache;
    finding.asked = true;
    if (!from_cache) cache_.Put(finding.address, result);
    ++done_;
  }

  std::vector<ExternalFinding>& findings_;
  const ExternalSettings& settings_;
  HttpClient& client_;
  ExternalCache& cache_;
  const int64_t now_;
  const ExternalCheckHooks& hooks_;
  std::map<std::string, std::deque<Job>> waiting_;
  std::map<std::string, int> open_per_host_;
  std::map<uint64_t, Job> open_jobs_;
  uint64_t next_id_ = 1;
  int done_ = 0;
};

}  // namespace

void CheckExternalAddresses(std::vector<ExternalFinding>& findings, const ExternalSettings& settings,
                            HttpClient& client, ExternalCache& cache, int64_t now,
                            const ExternalCheckHooks& hooks) {
  Scheduler(findings, settings, client, cache, now, hooks).Run();
}

}  // namespace check_html
