// Named pipes on Linux. A pipe name "\\.\pipe\NAME" is the Unix-domain stream socket NAME in a
// folder of this user's own, mode 0700: "$XDG_RUNTIME_DIR/check_html-pipes" when XDG_RUNTIME_DIR
// is set, else "/tmp/check_html-pipes-<uid>". A listener stands for all instances of one pipe:
// each thread that accepts on it is one instance, and a client that connects waits in the
// listener's queue until an instance is free. Only the local computer "." is served.
//
// Unlike Windows pipes (any client may connect), a peer of another user id is never served:
// the folder's mode keeps other users out and the server checks the peer's id (SO_PEERCRED).
//
// Every socket call of the program lives here. Calls report errno values; a peer that has gone
// (end of stream, EPIPE, ECONNRESET) is "broken". Shutdown() wakes a thread blocked on the
// object from any other thread and makes every later call on it fail; nothing is killed.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace check_html {

// 0 or the errno of the failed call.
struct PipeStatus {
  int error = 0;

  bool ok() const { return error == 0; }
  // The peer has gone: end of stream, EPIPE or ECONNRESET.
  bool broken() const;
};

// strerror's text for `error`, without a trailing line break or full stop.
std::string SystemErrorText(int error);

// The folder of the sockets (not created).
std::string PipeFolder();

// The socket path of "\\SERVER\pipe\NAME"; creates the folder (mode 0700) when it is missing and
// refuses one that another user owns or others may enter (EACCES). EHOSTUNREACH for a server other
// than ".", EINVAL for a malformed name (empty, "." or "..", "/" or a zero byte in it),
// ENAMETOOLONG when the socket path does not fit.
PipeStatus SocketPathOf(const std::string& pipe_path, std::string& socket_path);

// One connected end of a pipe.
class PipeStream {
 public:
  explicit PipeStream(int fd);
  ~PipeStream();
  PipeStream(const PipeStream&) = delete;
  PipeStream& operator=(const PipeStream&) = delete;

  // Reads exactly `size` bytes, looping until all have arrived.
  PipeStatus ReadExact(void* buffer, std::size_t size);
  // Writes every byte, looping; never raises SIGPIPE.
  PipeStatus WriteAll(std::string_view bytes);
  // Waits up to `timeout_ms` for bytes to read or for the peer to go; ETIMEDOUT when neither came.
  PipeStatus WaitReadable(int timeout_ms);
  // False when the peer's user id cannot be had.
  bool PeerUserId(uid_t& uid) const;

  void Shutdown();
  void Close();

 private:
  friend class PipeListener;
  std::atomic<int> fd_;
  std::mutex close_mutex_;  // Shutdown from another thread never meets a closed descriptor
};

// The listening end of one pipe name.
class PipeListener {
 public:
  // Binds the pipe's socket. EADDRINUSE when a live server holds the name; a socket file left by
  // a server that has gone is replaced.
  static PipeStatus Create(const std::string& pipe_path, std::unique_ptr<PipeListener>& listener);
  ~PipeListener();  // closes and removes the socket file
  PipeListener(const PipeListener&) = delete;
  PipeListener& operator=(const PipeListener&) = delete;

  // Waits for the next client; `timeout_ms` < 0 waits without limit (ETIMEDOUT otherwise). When
  // `watch` is given, its peer going away ends the wait as broken. ECANCELED once shut down.
  PipeStatus Accept(std::unique_ptr<PipeStream>& connection, int timeout_ms = -1,
                    PipeStream* watch = nullptr);
  void Shutdown();

 private:
  PipeListener(int fd, std::string socket_path);
  std::atomic<int> fd_;
  std::string socket_path_;
  ino_t bound_inode_;
  std::atomic<bool> shut_down_{false};
  std::mutex close_mutex_;
};

// Connects to a listening pipe: ENOENT or ECONNREFUSED when no server has it.
PipeStatus ConnectPipe(const std::string& pipe_path, std::unique_ptr<PipeStream>& connection);

// Two connected ends without a name (for feeding a reader in tests and the fuzz target).
PipeStatus MakePipePair(std::unique_ptr<PipeStream>& first, std::unique_ptr<PipeStream>& second);

uid_t OwnUserId();
// The login name of `uid`; empty when it cannot be had.
std::string UserNameOf(uid_t uid);
// The system's id of the calling thread.
int CurrentThreadId();

}  // namespace check_html
