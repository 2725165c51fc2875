// The external-link check against a loopback server of its own: verdicts, redirects, retries,
// limits, the cache and the stop request. No address but 127.0.0.1 is ever asked.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "../platform/loopback_http_server.h"
#include "platform/http_client.h"
#include "site/external_cache.h"
#include "site/external_check.h"

namespace check_html {
namespace {

constexpr int64_t kNow = 1'800'000'000;
constexpr int64_t kDay = 24 * 60 * 60;

HttpTestReply Status(int status, std::vector<std::pair<std::string, std::string>> headers = {}) {
  HttpTestReply reply;
  reply.status = status;
  reply.headers = std::move(headers);
  return reply;
}
HttpTestReply Redirect(int status, const std::string& to) { return Status(status, {{"Location", to}}); }

// The site the server plays: one behaviour per path.
HttpTestReply Answer(const HttpTestRequest& request) {
  const std::string& path = request.path;
  const bool first = request.count == 1;
  if (path == "/ok") return Status(200);
  if (path == "/404") return Status(404);
  if (path == "/410") return Status(410);
  if (path == "/500") return Status(500);
  if (path == "/503-then-200") return Status(first ? 503 : 200);
  if (path == "/429") return first ? Status(429, {{"Retry-After", "1"}}) : Status(200);
  if (path == "/moved") return Redirect(301, "/ok");
  if (path == "/temporary") return Redirect(302, "/ok");
  if (path == "/chain") return Redirect(302, "/chain-308");
  if (path == "/chain-308") return Redirect(308, "/rel/a");
  if (path == "/rel/a") return Redirect(307, "b?q=1");
  if (path == "/rel/b?q=1") return Status(200);
  if (path == "/loop") return Redirect(302, "/loop");
  if (path.starts_with("/hop/")) {
    const int left = std::stoi(path.substr(5));
    return left == 0 ? Status(200) : Redirect(302, "/hop/" + std::to_string(left - 1));
  }
  if (path == "/head-405") return Status(request.method == "HEAD" ? 405 : 200);
  if (path == "/head-501-get-404") return Status(request.method == "HEAD" ? 501 : 404);
  if (path == "/huge") {
    HttpTestReply reply = Status(request.method == "HEAD" ? 405 : 200);
    reply.body_bytes = int64_t{1} << 30;
    return reply;
  }
  HttpTestReply waiting;
  waiting.never = path.starts_with("/never");
  waiting.delay_ms = path.starts_with("/slow") ? 50 : 0;
  if (waiting.never || waiting.delay_ms > 0) return waiting;
  return Status(404);
}

class ExternalCheck : public ::testing::Test {
 protected:
  // Checks `addresses` (paths on the server, or whole addresses) and returns the findings.
  std::vector<ExternalFinding> Check(const std::vector<std::string>& addresses) {
    std::vector<ExternalFinding> findings;
    for (const std::string& address : addresses) {
      findings.emplace_back().address = address.starts_with("/") ? server_.Url(address) : address;
    }
    const auto client = MakeHttpClient(HttpLimits{settings_.Timeout * 1000, "check_html/test"});
    CheckExternalAddresses(findings, settings_, *client, cache_, now_, hooks_);
    return findings;
  }

  LoopbackHttpServer server_{Answer};
  ExternalSettings settings_;
  ExternalCache cache_;
  ExternalCheckHooks hooks_ = [] {
    ExternalCheckHooks hooks;
    hooks.retry_pause = std::chrono::milliseconds(20);
    return hooks;
  }();
  int64_t now_ = kNow;
};

TEST_F(ExternalCheck, VerdictsStatusesAndNewAddresses) {
  struct Case {
    const char* path;
    ExternalVerdict verdict;
    int status;
    const char* error;        // part of the failure text
    const char* new_address;  // path on the server
    int requests;             // how many the server saw for the whole case
  };
  const ExternalVerdict ok = ExternalVerdict::kOk, moved = ExternalVerdict::kMoved,
                        broken = ExternalVerdict::kBroken;
  const std::vector<Case> cases = {
      {"/ok", ok, 200, "", "", 1},
      {"/404", broken, 404, "", "", 1},
      {"/410", broken, 410, "", "", 1},
      {"/500", broken, 500, "", "", 2},  // asked again once, still 500
      {"/503-then-200", ok, 200, "", "", 2},
      {"/429", ok, 200, "", "", 2},
      {"/moved", moved, 200, "", "/ok", 2},
      {"/temporary", ok, 200, "", "", 2},
      {"/chain", moved, 200, "", "/rel/b?q=1", 4},  // 302, 308, 307 (relative), 200
      {"/loop", broken, 302, "too many redirects", "", 11},
      {"/hop/10", ok, 200, "", "", 11},  // ten redirects are followed
      {"/hop/11", broken, 302, "too many redirects", "", 11},
      {"/head-405", ok, 200, "", "", 2},
      {"/head-501-get-404", broken, 404, "", "", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const int before = server_.Requests();
    const ExternalFinding finding = Check({c.path}).front();
    EXPECT_TRUE(finding.asked);
    EXPECT_EQ(finding.result.verdict, c.verdict);
    EXPECT_EQ(finding.result.status, c.status);
    EXPECT_NE(finding.result.error.find(c.error), std::string::npos) << finding.result.error;
    EXPECT_EQ(finding.result.new_address, *c.new_address ? server_.Url(c.new_address) : "");
    EXPECT_EQ(server_.Requests() - before, c.requests);
    EXPECT_EQ(finding.result.checked_at, kNow);
  }
}

TEST_F(ExternalCheck, RetryAfterIsWaitedFor) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Check({"/429"}).front().result.verdict, ExternalVerdict::kOk);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(950));
}

TEST_F(ExternalCheck, NoAnswerClosedPortAndHugeBody) {
  settings_.Timeout = 1;
  const std::string closed = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::ClosedPort()) + "/";
  const std::vector<ExternalFinding> found = Check({"/never", closed, "/huge"});
  EXPECT_EQ(found[0].result.verdict, ExternalVerdict::kBroken);
  EXPECT_NE(found[0].result.error.find("imeout"), std::string::npos) << found[0].result.error;
  EXPECT_EQ(found[1].result.verdict, ExternalVerdict::kBroken);
  EXPECT_EQ(found[1].result.status, 0);
  EXPECT_FALSE(found[1].result.error.empty());
  EXPECT_EQ(found[2].result.verdict, ExternalVerdict::kOk);
  EXPECT_LT(server_.BodyBytesSent(), int64_t{64} << 20);  // of a GiB: the body was not read
}

TEST_F(ExternalCheck, RequestsCarryTheUserAgent) {
  Check({"/ok"});
  EXPECT_EQ(server_.Log(), std::vector<std::string>{"HEAD /ok check_html/test"});
}

// The server counts the connections open at once; each answer takes 50 ms, so the limit is met.
TEST_F(ExternalCheck, LimitsPerHostAndInAllAreKept) {
  struct Case {
    int per_host, connections, most;
  };
  for (const Case c : {Case{1, 32, 1}, Case{3, 32, 3}, Case{4, 2, 2}}) {
    SCOPED_TRACE(c.per_host * 100 + c.connections);
    LoopbackHttpServer server(Answer);
    settings_.PerHost = c.per_host;
    settings_.Connections = c.connections;
    std::vector<std::string> addresses;
    for (int i = 0; i < 12; ++i) addresses.push_back(server.Url("/slow?" + std::to_string(i)));
    for (const ExternalFinding& f : Check(addresses)) EXPECT_EQ(f.result.status, 200);
    EXPECT_EQ(server.MostAtOnce(), c.most);
  }
}

TEST_F(ExternalCheck, CacheAnswersFreshResultsButNeverBrokenOnes) {
  Check({"/ok", "/404", "/moved"});
  const int asked = server_.Requests();
  ASSERT_EQ(asked, 4);

  struct Case {
    int64_t age;
    int asked_again;  // requests of the second run
  };
  // Within a day: only the broken one is asked again; at one day: all of them.
  for (const Case c : {Case{kDay - 1, 1}, Case{kDay, 4}}) {
    SCOPED_TRACE(c.age);
    ExternalCache cache = ExternalCache::Parse(cache_.Text());
    std::swap(cache, cache_);
    now_ = kNow + c.age;
    const int before = server_.Requests();
    const std::vector<ExternalFinding> found = Check({"/ok", "/404", "/moved"});
    EXPECT_EQ(server_.Requests() - before, c.asked_again);
    EXPECT_EQ(found[0].from_cache, c.age < kDay);
    EXPECT_FALSE(found[1].from_cache);
    EXPECT_EQ(found[2].result.new_address, server_.Url("/ok"));
    std::swap(cache, cache_);  // each case starts from the first run's cache
  }
}

TEST_F(ExternalCheck, StopEndsTheCheckAndKeepsWhatCame) {
  std::atomic<bool> stop = false;
  hooks_.stopped = [&stop] { return stop.load(); };
  hooks_.progress = [&stop](int done, int) { if (done >= 1) stop = true; };
  const std::vector<ExternalFinding> found = Check({"/ok", "/never", "/never?2"});
  EXPECT_TRUE(found[0].asked);
  EXPECT_FALSE(found[1].asked);
  EXPECT_FALSE(found[2].asked);
  EXPECT_EQ(cache_.Size(), 1u);
}

}  // namespace
}  // namespace check_html
