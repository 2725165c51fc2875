#include "platform/named_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/named_pipe_path.h"
#include "platform/named_pipe_socket.h"

namespace check_html {

struct PipeStream::State {
  explicit State(int descriptor) : fd(descriptor) {}
  std::atomic<int> fd;
  std::mutex close_mutex;  // Shutdown from another thread never meets a closed descriptor
};

struct PipeListener::State {
  State(int descriptor, std::string path) : fd(descriptor), socket_path(std::move(path)) {}
  std::atomic<int> fd;
  std::string socket_path;
  ino_t bound_inode = 0;
  std::atomic<bool> shut_down{false};
  std::mutex close_mutex;
};

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, for poll(); -1 (no limit) when `limited` is false.
int MillisecondsLeft(bool limited, Clock::time_point deadline) {
  if (!limited) return -1;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

// poll() that resumes after signals, within the same time limit.
int PollFor(std::vector<pollfd>& fds, int timeout_ms) {
  const bool limited = timeout_ms >= 0;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    for (pollfd& p : fds) p.revents = 0;
    const int n = poll(fds.data(), fds.size(), MillisecondsLeft(limited, deadline));
    if (n >= 0 || errno != EINTR) return n;
  }
}

PipeStatus Errno() { return PipeStatus{errno}; }

bool FillAddress(const std::string& socket_path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (socket_path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, socket_path.data(), socket_path.size());
  return true;
}

int ConnectSocket(const std::string& socket_path, int& fd) {
  sockaddr_un address;
  if (!FillAddress(socket_path, address)) return ENAMETOOLONG;
  fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return errno;
  // Non-blocking, so a server whose queue is full gives EAGAIN instead of an endless wait.
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return 0;
  const int error = errno;
  close(fd);
  fd = -1;
  return error;
}

int BindSocket(const std::string& socket_path, int fd) {
  sockaddr_un address;
  if (!FillAddress(socket_path, address)) return ENAMETOOLONG;
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return 0;
  return errno;
}

// True when a server answers on the socket file; false for a file left by one that has gone.
bool SocketIsLive(const std::string& socket_path) {
  int probe = -1;
  const int error = ConnectSocket(socket_path, probe);
  if (probe >= 0) close(probe);
  return error == 0 || error == EAGAIN;
}

ino_t InodeOf(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

std::unique_ptr<PipeStream> StreamOf(int fd) {
  return std::make_unique<PipeStream>(std::make_unique<PipeStream::State>(fd));
}

}  // namespace

bool PipeStatus::broken() const {
  return error == EPIPE || error == ECONNRESET;
}

PipeStatus InvalidPipeArgument() { return PipeStatus{EINVAL}; }
PipeStatus PipeProtocolError() { return PipeStatus{EPROTO}; }
PipeStatus PipeTimedOut() { return PipeStatus{ETIMEDOUT}; }
PipeStatus PipeBroken() { return PipeStatus{EPIPE}; }

std::string SystemErrorText(int error) {
  char buffer[256];
  std::string text = strerror_r(error, buffer, sizeof buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

PipeStatus SocketPathOf(const std::string& pipe_path, std::string& socket_path) {
  PipeNameParts parts;
  if (!SplitPipePath(pipe_path, parts)) return PipeStatus{EINVAL};
  if (parts.server != ".") return PipeStatus{EHOSTUNREACH};
  const std::string folder = PipeFolder();
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return Errno();
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0) return Errno();
  if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid() || (info.st_mode & 077) != 0) {
    return PipeStatus{EACCES};
  }
  socket_path = folder + "/" + parts.name;
  sockaddr_un address;
  if (!FillAddress(socket_path, address)) return PipeStatus{ENAMETOOLONG};
  return PipeStatus{};
}

std::string PipeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] != '\0') return std::string(runtime) + "/check_html-pipes";
  return "/tmp/check_html-pipes-" + std::to_string(geteuid());
}

// --- PipeStream ---

PipeStream::PipeStream(std::unique_ptr<State> state) : state_(std::move(state)) {}

PipeStream::~PipeStream() { Close(); }

PipeStatus PipeStream::ReadExact(void* buffer, std::size_t size) {
  auto* at = static_cast<char*>(buffer);
  while (size > 0) {
    const ssize_t n = recv(state_->fd.load(), at, size, 0);
    if (n == 0) return PipeStatus{EPIPE};
    if (n < 0) {
      if (errno == EINTR) continue;
      return Errno();
    }
    at += n;
    size -= static_cast<std::size_t>(n);
  }
  return PipeStatus{};
}

PipeStatus PipeStream::WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(state_->fd.load(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Errno();
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return PipeStatus{};
}

PipeStatus PipeStream::WaitReadable(int timeout_ms) {
  std::vector<pollfd> fds{{state_->fd.load(), POLLIN | POLLRDHUP, 0}};
  const int n = PollFor(fds, timeout_ms);
  if (n < 0) return Errno();
  return n == 0 ? PipeStatus{ETIMEDOUT} : PipeStatus{};
}

bool PipeStream::PeerUserId(PipeUserId& uid) const {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (getsockopt(state_->fd.load(), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
  uid = credentials.uid;
  return true;
}

std::string PipeStream::PeerUserName() const {
  PipeUserId uid = 0;
  return PeerUserId(uid) ? UserNameOf(uid) : std::string();
}

void PipeStream::Shutdown() {
  const std::lock_guard<std::mutex> lock(state_->close_mutex);
  if (state_->fd >= 0) shutdown(state_->fd, SHUT_RDWR);
}

void PipeStream::Close() {
  const std::lock_guard<std::mutex> lock(state_->close_mutex);
  const int fd = state_->fd.exchange(-1);
  if (fd >= 0) close(fd);
}

// --- PipeListener ---

PipeListener::PipeListener(std::unique_ptr<State> state) : state_(std::move(state)) {
  state_->bound_inode = InodeOf(state_->socket_path);
}

// Sockets carry bytes both ways and one listener serves every instance: `direction` and
// `max_instances` ask nothing of them.
PipeStatus PipeListener::Create(const std::string& pipe_path,
                                std::unique_ptr<PipeListener>& listener, PipeDirection,
                                unsigned) {
  std::string socket_path;
  if (const PipeStatus status = SocketPathOf(pipe_path, socket_path); !status.ok()) return status;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return Errno();
  int error = BindSocket(socket_path, fd);
  if (error == EADDRINUSE && !SocketIsLive(socket_path)) {
    unlink(socket_path.c_str());
    error = BindSocket(socket_path, fd);
  }
  if (error == 0 && listen(fd, SOMAXCONN) != 0) error = errno;
  if (error != 0) {
    close(fd);
    return PipeStatus{error};
  }
  listener.reset(new PipeListener(std::make_unique<State>(fd, socket_path)));
  return PipeStatus{};
}

PipeListener::~PipeListener() {
  // The socket file goes only while it is still this listener's, not a newer server's.
  if (state_->bound_inode != 0 && InodeOf(state_->socket_path) == state_->bound_inode) {
    unlink(state_->socket_path.c_str());
  }
  close(state_->fd.exchange(-1));
}

PipeStatus PipeListener::Accept(std::unique_ptr<PipeStream>& connection, int timeout_ms,
                                PipeStream* watch) {
  const bool limited = timeout_ms >= 0;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  std::vector<pollfd> fds{{state_->fd.load(), POLLIN, 0}};
  if (watch != nullptr) fds.push_back({watch->state_->fd.load(), POLLRDHUP, 0});
  for (;;) {
    if (state_->shut_down) return PipeStatus{ECANCELED};
    const int n = PollFor(fds, MillisecondsLeft(limited, deadline));
    if (n < 0) return Errno();
    if (n == 0) return PipeStatus{ETIMEDOUT};
    // A listener that was shut down stays "readable" without a client to accept.
    if (state_->shut_down || (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      return PipeStatus{ECANCELED};
    }
    if (watch != nullptr && fds[1].revents != 0) return PipeStatus{EPIPE};
    const int fd = accept4(state_->fd.load(), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) {
      connection = StreamOf(fd);
      return PipeStatus{};
    }
    // Another instance took the client first, or it gave up before it was accepted.
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED) continue;
    return Errno();
  }
}

void PipeListener::Shutdown() {
  const std::lock_guard<std::mutex> lock(state_->close_mutex);
  state_->shut_down = true;
  if (state_->fd >= 0) shutdown(state_->fd, SHUT_RDWR);
}

PipeStatus ConnectPipe(const std::string& pipe_path, std::unique_ptr<PipeStream>& connection,
                       PipeDirection, int) {
  std::string socket_path;
  if (const PipeStatus status = SocketPathOf(pipe_path, socket_path); !status.ok()) return status;
  int fd = -1;
  if (const int error = ConnectSocket(socket_path, fd); error != 0) return PipeStatus{error};
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int error = errno;
    close(fd);
    return PipeStatus{error};
  }
  connection = StreamOf(fd);
  return PipeStatus{};
}

PipeStatus MakePipePair(std::unique_ptr<PipeStream>& first, std::unique_ptr<PipeStream>& second) {
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return Errno();
  first = StreamOf(fds[0]);
  second = StreamOf(fds[1]);
  return PipeStatus{};
}

PipeUserId OwnUserId() { return geteuid(); }

std::string OwnUserName() { return UserNameOf(OwnUserId()); }

std::string UserNameOf(PipeUserId uid) {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
    return std::string();
  }
  return found->pw_name;
}

int CurrentThreadId() { return static_cast<int>(gettid()); }

}  // namespace check_html
