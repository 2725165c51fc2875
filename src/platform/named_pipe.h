// Named pipes "\\SERVER\pipe\NAME", in two halves. Every pipe call of the program lives in them.
//
// Windows (named_pipe_win32): the system's named pipes, with up to `max_instances` instances of
// one name, each serving one client at a time; every call is overlapped, so Shutdown() cancels
// a waiting call (CancelIoEx). Any local client may connect (the default security of a pipe).
//
// Linux (named_pipe_posix): a pipe is the Unix-domain stream socket NAME in a folder of this
// user's own, mode 0700: "$XDG_RUNTIME_DIR/check_html-pipes" when XDG_RUNTIME_DIR is set, else
// "/tmp/check_html-pipes-<uid>". A listener stands for all instances of one pipe: each thread
// that accepts on it is one instance, and a client waits in the listener's queue until an
// instance is free. Only the local computer "." is served, and a peer of another user id is
// never served: the folder's mode keeps other users out and the server checks the peer's id.
//
// A peer that has gone is "broken". Shutdown() wakes a thread blocked on the object from any
// other thread and makes every later call on it fail; nothing is killed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace check_html {

// 0 or the system's error code of the failed call (errno on Linux, GetLastError on Windows).
struct PipeStatus {
  int error = 0;

  bool ok() const { return error == 0; }
  // The peer has gone.
  bool broken() const;
};

// Statuses that callers make themselves: an argument no pipe accepts, bytes that break the
// protocol, a wait that ran out of time, and the peer gone (every broken status is this one).
PipeStatus InvalidPipeArgument();
PipeStatus PipeProtocolError();
PipeStatus PipeTimedOut();
PipeStatus PipeBroken();

// The system's text for `error`, without a trailing line break or full stop.
std::string SystemErrorText(int error);

// Which way the bytes of a pipe flow, seen from its server. Linux sockets carry both ways.
enum class PipeDirection {
  kOutbound,  // the server writes, the client reads
  kInbound,   // the client writes, the server reads
  kDuplex,
};

using PipeUserId = std::uint32_t;

// One connected end of a pipe.
class PipeStream {
 public:
  struct State;  // the half's own handle and events
  explicit PipeStream(std::unique_ptr<State> state);
  ~PipeStream();
  PipeStream(const PipeStream&) = delete;
  PipeStream& operator=(const PipeStream&) = delete;

  // Reads exactly `size` bytes, looping until all have arrived.
  PipeStatus ReadExact(void* buffer, std::size_t size);
  // Writes every byte, looping; never raises SIGPIPE.
  PipeStatus WriteAll(std::string_view bytes);
  // Waits up to `timeout_ms` until a read would not wait (bytes came, or the peer went);
  // PipeTimedOut() when neither happened.
  PipeStatus WaitReadable(int timeout_ms);
  // False when the peer's user id cannot be had. On Windows every peer is this user.
  bool PeerUserId(PipeUserId& uid) const;
  // The peer's login name (on Windows from the pipe's handle state); empty when it cannot be had.
  std::string PeerUserName() const;

  void Shutdown();
  void Close();

 private:
  friend class PipeListener;
  std::unique_ptr<State> state_;
};

// The listening end of one pipe name.
class PipeListener {
 public:
  struct State;
  // Makes the pipe name this program's. The name is refused (Linux: EADDRINUSE; Windows:
  // access denied) when a live server holds it; on Linux a socket file left by a server that has
  // gone is replaced.
  static PipeStatus Create(const std::string& pipe_path, std::unique_ptr<PipeListener>& listener,
                           PipeDirection direction = PipeDirection::kDuplex,
                           unsigned max_instances = 1);
  ~PipeListener();
  PipeListener(const PipeListener&) = delete;
  PipeListener& operator=(const PipeListener&) = delete;

  // Waits for the next client; `timeout_ms` < 0 waits without limit (PipeTimedOut()
  // otherwise). When `watch` is given, its peer going away ends the wait as broken. Fails once
  // shut down.
  PipeStatus Accept(std::unique_ptr<PipeStream>& connection, int timeout_ms = -1,
                    PipeStream* watch = nullptr);
  void Shutdown();

 private:
  explicit PipeListener(std::unique_ptr<State> state);
  static bool PeerGone(PipeStream& stream);  // the peer of a watched stream has gone (Windows)
  std::unique_ptr<State> state_;
};

// Connects to a listening pipe, for the direction the server gave it. Fails (Linux: ENOENT or
// ECONNREFUSED; Windows: file not found) when no server has it. On Windows it waits up to
// `timeout_ms` for a free instance (PipeTimedOut() after that); on Linux the connection waits
// in the listener's queue, and the caller's wait for the first bytes bounds it.
PipeStatus ConnectPipe(const std::string& pipe_path, std::unique_ptr<PipeStream>& connection,
                       PipeDirection direction = PipeDirection::kDuplex, int timeout_ms = 5000);

// Two connected ends without a name of the caller's (for feeding a reader in tests and the fuzz
// target); bytes flow both ways.
PipeStatus MakePipePair(std::unique_ptr<PipeStream>& first, std::unique_ptr<PipeStream>& second);

PipeUserId OwnUserId();
// The login name of this process's user, as a served peer of it shows.
std::string OwnUserName();
// The system's id of the calling thread.
int CurrentThreadId();

}  // namespace check_html
