// The Windows half of HttpClient: WinHTTP in its synchronous form, one worker thread per open
// request (the caller keeps their number within its limits). Redirects are switched off so that
// the caller sees every hop; the body is never read. Closing a request handle ends its pending
// call at once: Collect does so for a request older than the time limit (WinHTTP's own timeouts
// are not kept by every implementation, Wine's among them), and so does the destructor.
#include <windows.h>
#include <winhttp.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "platform/http_client.h"
#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

HttpFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return HttpFailure::kResolve;
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return HttpFailure::kRefused;
    case ERROR_WINHTTP_TIMEOUT:
      return HttpFailure::kTimeout;
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
      return HttpFailure::kTls;
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
      return HttpFailure::kReset;
    default:
      return HttpFailure::kOther;
  }
}

std::string HeaderText(HINTERNET request, DWORD which) {
  wchar_t buffer[2048];
  DWORD size = sizeof buffer;
  if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, buffer, &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return "";
  }
  return Text1252Marked(std::wstring_view(buffer, size / sizeof(wchar_t)));
}

class WinHttpClient : public HttpClient {
 public:
  explicit WinHttpClient(const HttpLimits& limits) : limits_(limits) {
    session_ = WinHttpOpen(WideFrom1252(limits.user_agent).c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY,
                           WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  }
  ~WinHttpClient() override {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
      for (auto& [id, open] : requests_) WinHttpCloseHandle(open.request);
      requests_.clear();
    }
    for (auto& [id, thread] : threads_) thread.join();
    if (session_ != nullptr) WinHttpCloseHandle(session_);
  }

  void Start(uint64_t id, const std::string& url, bool head) override {
    std::lock_guard lock(mutex_);
    ++open_;
    threads_.emplace(id, std::thread([this, id, url, head] { Finish(Ask(id, url, head)); }));
  }

  std::vector<HttpAnswer> Collect(std::chrono::milliseconds wait) override {
    std::unique_lock lock(mutex_);
    const auto until = Clock::now() + wait;
    while (answers_.empty() && open_ != 0 && Clock::now() < until) {
      came_.wait_until(lock, std::min(until, Clock::now() + std::chrono::milliseconds(50)));
      EndOverdue();
    }
    std::vector<HttpAnswer> answers = std::move(answers_);
    answers_.clear();
    for (const HttpAnswer& answer : answers) {
      const auto thread = threads_.find(answer.id);
      thread->second.join();
      threads_.erase(thread);
    }
    open_ -= answers.size();
    return answers;
  }

  std::size_t Open() const override {
    std::lock_guard lock(mutex_);
    return open_;
  }

 private:
  HttpAnswer Ask(uint64_t id, const std::string& url, bool head) {
    HttpAnswer answer;
    answer.id = id;
    const std::wstring wide_url = WideFrom1252(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (session_ == nullptr || !WinHttpCrackUrl(wide_url.c_str(), 0, 0, &parts)) {
      return Failed(answer, GetLastError());
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";
    HINTERNET connection = WinHttpConnect(session_, host.c_str(), parts.nPort, 0);
    if (connection == nullptr) return Failed(answer, GetLastError());
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    HINTERNET request = WinHttpOpenRequest(connection, head ? L"HEAD" : L"GET", path.c_str(), nullptr,
                                           WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure);
    if (request == nullptr) {
      const DWORD error = GetLastError();
      WinHttpCloseHandle(connection);
      return Failed(answer, error);
    }
    DWORD no_redirects = WINHTTP_DISABLE_REDIRECTS;
    WinHttpSetOption(request, WINHTTP_OPTION_DISABLE_FEATURE, &no_redirects, sizeof no_redirects);
    const int ms = limits_.timeout_ms;
    WinHttpSetTimeouts(request, ms, ms, ms, ms);
    {
      std::lock_guard lock(mutex_);
      if (stopping_) {
        WinHttpCloseHandle(request);
        WinHttpCloseHandle(connection);
        return Failed(answer, ERROR_WINHTTP_OPERATION_CANCELLED);
      }
      requests_.emplace(id, OpenRequest{request, Clock::now()});
    }
    const bool answered =
        WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                           0) &&
        WinHttpReceiveResponse(request, nullptr);
    DWORD error = answered ? 0 : GetLastError();
    if (answered) {
      DWORD status = 0;
      DWORD size = sizeof status;
      WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
      answer.status = static_cast<int>(status);
      answer.location = HeaderText(request, WINHTTP_QUERY_LOCATION);
      answer.retry_after = HeaderText(request, WINHTTP_QUERY_RETRY_AFTER);
    }
    {
      // The destructor may have closed the handle already to end the call.
      std::lock_guard lock(mutex_);
      if (requests_.erase(id) != 0) WinHttpCloseHandle(request);
      if (overdue_.erase(id) != 0) error = ERROR_WINHTTP_TIMEOUT;
    }
    WinHttpCloseHandle(connection);
    return error == 0 ? answer : Failed(answer, error);
  }

  static HttpAnswer& Failed(HttpAnswer& answer, DWORD error) {
    answer.failure = FailureOf(error);
    // The system's texts are not always there (Wine has few): the time limit names itself.
    answer.error = answer.failure == HttpFailure::kTimeout ? "Timeout was reached"
                                                           : WindowsErrorText(error);
    if (answer.error.empty()) answer.error = "WinHTTP error " + std::to_string(error);
    return answer;
  }

  // Ends the requests open longer than the time limit; called with the lock held.
  void EndOverdue() {
    const auto limit = std::chrono::milliseconds(limits_.timeout_ms);
    for (auto open = requests_.begin(); open != requests_.end();) {
      if (Clock::now() - open->second.since < limit) {
        ++open;
        continue;
      }
      WinHttpCloseHandle(open->second.request);
      overdue_.insert(open->first);
      open = requests_.erase(open);
    }
  }

  void Finish(HttpAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_.push_back(std::move(answer));
    came_.notify_all();
  }

  HttpLimits limits_;
  HINTERNET session_ = nullptr;
  mutable std::mutex mutex_;
  std::condition_variable came_;
  std::map<uint64_t, std::thread> threads_;
  using Clock = std::chrono::steady_clock;
  struct OpenRequest {
    HINTERNET request;
    Clock::time_point since;
  };
  std::map<uint64_t, OpenRequest> requests_;
  std::set<uint64_t> overdue_;  // ended by EndOverdue: their failure is the time limit
  std::vector<HttpAnswer> answers_;
  std::size_t open_ = 0;
  bool stopping_ = false;
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient(const HttpLimits& limits) {
  return std::make_unique<WinHttpClient>(limits);
}

}  // namespace check_html
