// One HTTP request at a time per call, many at once: the external-link check hands requests to
// an HttpClient and collects the answers as they come. The client follows no redirect and reads
// no body (a GET is closed once its headers are in), so every hop of a redirect chain and every
// retry is the caller's decision. Two halves: Linux (http_client_curl: libcurl's multi
// interface on the calling thread) and Windows (http_client_winhttp: WinHTTP on a few worker
// threads).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace check_html {

struct HttpLimits {
  int timeout_ms = 15000;  // per request, connection included
  std::string user_agent;
};

// Why a request got no HTTP answer.
enum class HttpFailure {
  kNone,      // an answer came: `status` holds its code
  kResolve,   // the host name was not resolved
  kRefused,   // nobody listens on the port
  kTimeout,   // no complete answer within the time limit
  kTls,       // TLS handshake or certificate failed
  kReset,     // the connection was reset or closed before an answer
  kOther,
};

struct HttpAnswer {
  uint64_t id = 0;  // as given to Start
  int status = 0;
  HttpFailure failure = HttpFailure::kNone;
  std::string error;        // the failure as text
  std::string location;     // the Location header, as sent
  std::string retry_after;  // the Retry-After header, as sent
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Starts a HEAD (or a GET, read up to the end of its headers) of `url`; its answer comes from
  // a later Collect. The caller keeps the number of open requests within its limits.
  virtual void Start(uint64_t id, const std::string& url, bool head) = 0;
  // The answers that came within `wait` (returns as soon as there is one).
  virtual std::vector<HttpAnswer> Collect(std::chrono::milliseconds wait) = 0;
  // How many requests are started and not yet collected.
  virtual std::size_t Open() const = 0;
};

// The system's client; open requests are dropped when it is destroyed.
std::unique_ptr<HttpClient> MakeHttpClient(const HttpLimits& limits);

}  // namespace check_html
