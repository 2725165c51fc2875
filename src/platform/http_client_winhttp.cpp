// The Windows half of HttpClient: WinHTTP in its synchronous form, one worker thread per open
// request (the caller keeps their number within its limits). Redirects are switched off so that
// the caller sees every hop; the body is never read. The time limit is kept here, not by
// WinHTTP's own timeouts, which not every implementation keeps (Wine's does not): a request
// older than the limit has its handle closed and is answered as a timeout at once. A worker
// whose call does not end when its handle is closed (Wine again) is left to end by itself; what
// it shares with the client lives as long as either of them.
#include <windows.h>
#include <winhttp.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "platform/http_client.h"
#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

using Clock = std::chrono::steady_clock;

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

HttpAnswer Failed(HttpAnswer answer, DWORD error) {
  answer.failure = FailureOf(error);
  // The system's texts are not always there (Wine has few): the time limit names itself.
  answer.error =
      answer.failure == HttpFailure::kTimeout ? "Timeout was reached" : WindowsErrorText(error);
  if (answer.error.empty()) answer.error = "WinHTTP error " + std::to_string(error);
  return answer;
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

// What the workers share with the client, under `mutex`.
struct Shared {
  explicit Shared(const HttpLimits& limits_in) : limits(limits_in) {
    session = WinHttpOpen(WideFrom1252(limits.user_agent).c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY,
                          WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  }
  ~Shared() {
    if (session != nullptr) WinHttpCloseHandle(session);
  }

  struct OpenRequest {
    HINTERNET request;
    Clock::time_point since;
  };

  const HttpLimits limits;
  HINTERNET session = nullptr;
  std::mutex mutex;
  std::condition_variable came;
  std::vector<HttpAnswer> answers;
  std::map<uint64_t, OpenRequest> requests;  // the handles a close may end
  std::set<uint64_t> overdue;                // answered as timeouts: their workers' answers go
  bool stopping = false;
};

// Closes the handle of every request older than the time limit and answers it as a timeout.
void EndOverdue(Shared& shared) {
  const auto limit = std::chrono::milliseconds(shared.limits.timeout_ms);
  for (auto open = shared.requests.begin(); open != shared.requests.end();) {
    if (Clock::now() - open->second.since < limit) {
      ++open;
      continue;
    }
    WinHttpCloseHandle(open->second.request);
    shared.overdue.insert(open->first);
    HttpAnswer answer;
    answer.id = open->first;
    shared.answers.push_back(Failed(answer, ERROR_WINHTTP_TIMEOUT));
    open = shared.requests.erase(open);
  }
}

HttpAnswer Ask(Shared& shared, uint64_t id, const std::string& url, bool head) {
  HttpAnswer answer;
  answer.id = id;
  const std::wstring wide_url = WideFrom1252(url);
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (shared.session == nullptr || !WinHttpCrackUrl(wide_url.c_str(), 0, 0, &parts)) {
    return Failed(answer, GetLastError());
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";
  HINTERNET connection = WinHttpConnect(shared.session, host.c_str(), parts.nPort, 0);
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
  const int ms = shared.limits.timeout_ms;
  WinHttpSetTimeouts(request, ms, ms, ms, ms);
  {
    std::lock_guard lock(shared.mutex);
    if (shared.stopping) {
      WinHttpCloseHandle(request);
      WinHttpCloseHandle(connection);
      return Failed(answer, ERROR_WINHTTP_OPERATION_CANCELLED);
    }
    shared.requests.emplace(id, Shared::OpenRequest{request, Clock::now()});
  }
  const bool answered =
      WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                         0) &&
      WinHttpReceiveResponse(request, nullptr);
  const DWORD error = answered ? 0 : GetLastError();
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
    // The handle is closed here unless the time limit or the end of the client closed it.
    std::lock_guard lock(shared.mutex);
    if (shared.requests.erase(id) != 0) WinHttpCloseHandle(request);
  }
  WinHttpCloseHandle(connection);
  return answered ? answer : Failed(answer, error);
}

void Work(const std::shared_ptr<Shared>& shared, uint64_t id, const std::string& url, bool head) {
  HttpAnswer answer = Ask(*shared, id, url, head);
  std::lock_guard lock(shared->mutex);
  if (shared->overdue.erase(id) != 0) return;  // already answered as a timeout
  shared->answers.push_back(std::move(answer));
  shared->came.notify_all();
}

class WinHttpClient : public HttpClient {
 public:
  explicit WinHttpClient(const HttpLimits& limits) : shared_(std::make_shared<Shared>(limits)) {}
  ~WinHttpClient() override {
    {
      std::lock_guard lock(shared_->mutex);
      shared_->stopping = true;
      for (auto& [id, open] : shared_->requests) WinHttpCloseHandle(open.request);
      shared_->requests.clear();
    }
    for (auto& [id, worker] : workers_) worker.detach();
  }

  void Start(uint64_t id, const std::string& url, bool head) override {
    workers_.emplace(id, std::thread(Work, shared_, id, url, head));
  }

  std::vector<HttpAnswer> Collect(std::chrono::milliseconds wait) override {
    std::vector<HttpAnswer> answers;
    {
      std::unique_lock lock(shared_->mutex);
      const auto until = Clock::now() + wait;
      while (true) {
        EndOverdue(*shared_);
        if (!shared_->answers.empty() || workers_.empty() || Clock::now() >= until) break;
        shared_->came.wait_until(lock, std::min(until, Clock::now() + std::chrono::milliseconds(50)));
      }
      answers = std::move(shared_->answers);
      shared_->answers.clear();
    }
    for (const HttpAnswer& answer : answers) {
      const auto worker = workers_.find(answer.id);
      if (worker == workers_.end()) continue;
      worker->second.detach();  // it has answered, or will drop its answer once its call ends
      workers_.erase(worker);
    }
    return answers;
  }

  std::size_t Open() const override { return workers_.size(); }

 private:
  std::shared_ptr<Shared> shared_;
  std::map<uint64_t, std::thread> workers_;  // started and not yet collected
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient(const HttpLimits& limits) {
  return std::make_unique<WinHttpClient>(limits);
}

}  // namespace check_html
