// The Linux half of HttpClient: libcurl's multi interface, driven on the caller's thread by
// Collect. TLS is verified against the system's certificate store (libcurl's default).
#include <curl/curl.h>

#include <cctype>
#include <map>
#include <mutex>
#include <string_view>

#include "platform/http_client.h"

namespace check_html {
namespace {

// Once per process: libcurl's global set-up is not thread-safe.
void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
  CURL* easy = nullptr;
  HttpAnswer answer;
  bool headers_done = false;  // the body began: a GET is closed here on purpose
};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.remove_suffix(1);
  }
  return text;
}

bool HeaderIs(std::string_view line, std::string_view name) {
  if (line.size() <= name.size() || line[name.size()] != ':') return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(line[i])) != name[i]) return false;
  }
  return true;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const std::string_view line(data, size * count);
  if (HeaderIs(line, "location")) {
    transfer->answer.location = Trimmed(line.substr(9));
  } else if (HeaderIs(line, "retry-after")) {
    transfer->answer.retry_after = Trimmed(line.substr(12));
  }
  return size * count;
}

// The first byte of a body ends the transfer: only the status and headers are wanted.
size_t OnBody(char*, size_t, size_t, void* user) {
  static_cast<Transfer*>(user)->headers_done = true;
  return 0;
}

HttpFailure FailureOf(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return HttpFailure::kResolve;
    case CURLE_COULDNT_CONNECT:
      return HttpFailure::kRefused;
    case CURLE_OPERATION_TIMEDOUT:
      return HttpFailure::kTimeout;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
      return HttpFailure::kTls;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
      return HttpFailure::kReset;
    default:
      return HttpFailure::kOther;
  }
}

class CurlClient : public HttpClient {
 public:
  explicit CurlClient(const HttpLimits& limits) : limits_(limits) {
    InitCurlOnce();
    multi_ = curl_multi_init();
  }
  ~CurlClient() override {
    for (auto& [easy, transfer] : open_) {
      curl_multi_remove_handle(multi_, easy);
      curl_easy_cleanup(easy);
    }
    curl_multi_cleanup(multi_);
  }

  void Start(uint64_t id, const std::string& url, bool head) override {
    auto transfer = std::make_unique<Transfer>();
    transfer->answer.id = id;
    CURL* easy = curl_easy_init();
    transfer->easy = easy;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_NOBODY, head ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.timeout_ms));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, limits_.user_agent.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, transfer.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    open_.emplace(easy, std::move(transfer));
    curl_multi_add_handle(multi_, easy);
  }

  std::vector<HttpAnswer> Collect(std::chrono::milliseconds wait) override {
    std::vector<HttpAnswer> answers;
    const auto until = std::chrono::steady_clock::now() + wait;
    while (true) {
      int running = 0;
      curl_multi_perform(multi_, &running);
      TakeFinished(answers);
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          until - std::chrono::steady_clock::now());
      if (!answers.empty() || open_.empty() || left.count() <= 0) return answers;
      curl_multi_poll(multi_, nullptr, 0, static_cast<int>(left.count()), nullptr);
    }
  }

  std::size_t Open() const override { return open_.size(); }

 private:
  void TakeFinished(std::vector<HttpAnswer>& answers) {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      CURL* easy = message->easy_handle;
      const auto found = open_.find(easy);
      if (found == open_.end()) continue;
      Transfer& transfer = *found->second;
      HttpAnswer& answer = transfer.answer;
      const CURLcode code = message->data.result;
      long status = 0;
      curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
      if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.headers_done)) {
        answer.status = static_cast<int>(status);
      } else {
        answer.failure = FailureOf(code);
        answer.error = curl_easy_strerror(code);
      }
      answers.push_back(std::move(answer));
      curl_multi_remove_handle(multi_, easy);
      curl_easy_cleanup(easy);
      open_.erase(found);
    }
  }

  HttpLimits limits_;
  CURLM* multi_ = nullptr;
  std::map<CURL*, std::unique_ptr<Transfer>> open_;
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient(const HttpLimits& limits) {
  return std::make_unique<CurlClient>(limits);
}

}  // namespace check_html
