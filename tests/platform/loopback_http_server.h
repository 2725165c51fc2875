// A small HTTP server on 127.0.0.1 (a free port) for the tests of the external-link check: each
// request is answered by the test's handler on a thread of its own and the connection closed.
// It counts requests and the connections open at once, and stops when destroyed. Every wait is
// bounded: a request is read for at most 5 s, an answer that never comes ends with the server.
#pragma once

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace check_html {

struct HttpTestRequest {
  std::string method;  // "HEAD" or "GET"
  std::string path;    // as sent, query included
  int count = 0;       // how many requests for this path came so far, this one included
};

struct HttpTestReply {
  int status = 200;
  std::vector<std::pair<std::string, std::string>> headers;
  int64_t body_bytes = 0;  // sent after the headers of a GET unless the client closes first
  int delay_ms = 0;        // before the answer
  bool never = false;      // no answer until the server stops
};

class LoopbackHttpServer {
 public:
  using Handler = std::function<HttpTestReply(const HttpTestRequest&)>;

  explicit LoopbackHttpServer(Handler handler) : handler_(std::move(handler)) {
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 256);
    socklen_t size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { AcceptLoop(); });
  }

  ~LoopbackHttpServer() {
    stopping_ = true;
    acceptor_.join();
    for (std::thread& thread : connections_) thread.join();
    Close(listener_);
  }

  // "http://127.0.0.1:PORT" + path.
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  int Requests() const { return requests_; }
  int MostAtOnce() const { return most_at_once_; }
  int64_t BodyBytesSent() const { return body_bytes_sent_; }
  // Every request so far as "METHOD path user-agent", in the order they came.
  std::vector<std::string> Log() const {
    std::lock_guard lock(mutex_);
    return log_;
  }

  // A port on 127.0.0.1 where nobody listens (bound, then closed again).
  static int ClosedPort() {
    LoopbackHttpServer probe([](const HttpTestRequest&) { return HttpTestReply{}; });
    return probe.port_;
  }

 private:
  static void Close(SocketHandle s) {
#ifdef _WIN32
    closesocket(s);
#else
    close(s);
#endif
  }

  // Waits up to `ms` for `s` to become readable.
  static bool Readable(SocketHandle s, int ms) {
#ifdef _WIN32
    WSAPOLLFD entry{s, POLLRDNORM, 0};
    return WSAPoll(&entry, 1, ms) > 0;
#else
    pollfd entry{s, POLLIN, 0};
    return poll(&entry, 1, ms) > 0;
#endif
  }

  void AcceptLoop() {
    while (!stopping_) {
      if (!Readable(listener_, 50)) continue;
      const SocketHandle client = accept(listener_, nullptr, nullptr);
      connections_.emplace_back([this, client] { Serve(client); });
    }
  }

  // Waits `ms` unless the server stops first.
  void Pause(int ms) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping_ && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  void Serve(SocketHandle client) {
    const int now_open = ++open_;
    int most = most_at_once_;
    while (now_open > most && !most_at_once_.compare_exchange_weak(most, now_open)) {
    }
    std::string request;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && !stopping_ &&
           std::chrono::steady_clock::now() < until) {
      if (!Readable(client, 50)) continue;
      const auto got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
    }
    bool counted = true;
    if (request.find("\r\n\r\n") != std::string::npos) Answer(client, request, counted);
    if (counted) --open_;
    Close(client);
  }

  // A connection counts as open until its answer starts: the client may start the next request
  // as soon as it has the answer, before this thread has closed the socket.
  void Answer(SocketHandle client, const std::string& request, bool& counted) {
    HttpTestRequest parsed;
    const std::size_t space = request.find(' ');
    parsed.method = request.substr(0, space);
    parsed.path = request.substr(space + 1, request.find(' ', space + 1) - space - 1);
    {
      std::lock_guard lock(mutex_);
      parsed.count = ++count_of_[parsed.path];
      log_.push_back(parsed.method + " " + parsed.path + " " + HeaderValue(request, "User-Agent"));
    }
    ++requests_;
    const HttpTestReply reply = handler_(parsed);
    Pause(reply.delay_ms);
    if (reply.never) return Pause(60 * 1000);
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " Test\r\n";
    for (const auto& [name, value] : reply.headers) head += name + ": " + value + "\r\n";
    head += "Content-Length: " + std::to_string(reply.body_bytes) + "\r\nConnection: close\r\n\r\n";
    --open_;
    counted = false;
    if (!SendAll(client, head) || parsed.method == "HEAD") return;
    const std::string chunk(64 * 1024, 'x');
    for (int64_t left = reply.body_bytes; left > 0 && !stopping_;) {
      const std::string_view part(chunk.data(), static_cast<std::size_t>(std::min<int64_t>(left, 65536)));
      if (!SendAll(client, part)) return;
      body_bytes_sent_ += static_cast<int64_t>(part.size());
      left -= static_cast<int64_t>(part.size());
    }
  }

  static std::string HeaderValue(const std::string& request, const std::string& name) {
    const std::size_t at = request.find("\r\n" + name + ": ");
    if (at == std::string::npos) return "";
    const std::size_t start = at + name.size() + 4;
    return request.substr(start, request.find("\r\n", start) - start);
  }

  static bool SendAll(SocketHandle client, std::string_view bytes) {
#ifdef _WIN32
    constexpr int kFlags = 0;
#else
    constexpr int kFlags = MSG_NOSIGNAL;
#endif
    while (!bytes.empty()) {
      const auto sent = send(client, bytes.data(), static_cast<int>(bytes.size()), kFlags);
      if (sent <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }

  Handler handler_;
  SocketHandle listener_{};
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread acceptor_;
  std::vector<std::thread> connections_;  // touched by the acceptor only until it has ended
  std::atomic<int> requests_{0}, open_{0}, most_at_once_{0};
  std::atomic<int64_t> body_bytes_sent_{0};
  mutable std::mutex mutex_;
  std::map<std::string, int> count_of_;
  std::vector<std::string> log_;
};

}  // namespace check_html
