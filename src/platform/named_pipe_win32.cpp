#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <vector>

#include "platform/named_pipe.h"
#include "platform/named_pipe_path.h"
#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kBufferSize = 16384;
constexpr DWORD kDefaultWaitMs = 5000;
constexpr DWORD kWatchSliceMs = 100;  // how often a watched peer is looked at while accepting

// A manual-reset event, closed with its owner.
class Event {
 public:
  Event() : handle_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Event() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The instances of one pipe name that no client holds, shared by the listener and its connected
// streams: a connection that ends gives its instance back (disconnected), as a Windows server
// thread keeps its instance for the next client.
struct InstancePool {
  std::wstring name;
  DWORD open_mode = 0;
  DWORD out_size = 0;
  DWORD in_size = 0;
  DWORD max_instances = 1;
  std::mutex mutex;
  std::vector<HANDLE> idle;
  bool shut_down = false;
  Event cancel;  // set by Shutdown: ends every wait for a client

  HANDLE NewInstance(bool first) {
    return CreateNamedPipeW(name.c_str(),
                            open_mode | FILE_FLAG_OVERLAPPED |
                                (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
                            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, max_instances,
                            out_size, in_size, kDefaultWaitMs, nullptr);
  }
  HANDLE Take() {
    {
      const std::lock_guard lock(mutex);
      if (shut_down) return INVALID_HANDLE_VALUE;
      if (!idle.empty()) {
        const HANDLE instance = idle.back();
        idle.pop_back();
        return instance;
      }
    }
    return NewInstance(false);
  }
  void GiveBack(HANDLE instance) {
    DisconnectNamedPipe(instance);
    const std::lock_guard lock(mutex);
    if (shut_down) {
      CloseHandle(instance);
    } else {
      idle.push_back(instance);
    }
  }
  void Shut() {
    std::vector<HANDLE> closing;
    {
      const std::lock_guard lock(mutex);
      shut_down = true;
      closing.swap(idle);
    }
    SetEvent(cancel.Get());
    for (HANDLE instance : closing) CloseHandle(instance);
  }
  ~InstancePool() { Shut(); }
};

PipeStatus LastError() { return PipeStatus{static_cast<int>(GetLastError())}; }

bool ParseName(const std::string& pipe_path, std::wstring& name) {
  PipeNameParts parts;
  if (!SplitPipePath(pipe_path, parts)) return false;
  name = WideFrom1252(pipe_path);
  return true;
}

DWORD ServerMode(PipeDirection direction) {
  switch (direction) {
    case PipeDirection::kOutbound:
      return PIPE_ACCESS_OUTBOUND;
    case PipeDirection::kInbound:
      return PIPE_ACCESS_INBOUND;
    case PipeDirection::kDuplex:
      break;
  }
  return PIPE_ACCESS_DUPLEX;
}

DWORD ClientAccess(PipeDirection direction) {
  switch (direction) {
    case PipeDirection::kOutbound:
      return GENERIC_READ;
    case PipeDirection::kInbound:
      return GENERIC_WRITE;
    case PipeDirection::kDuplex:
      break;
  }
  return GENERIC_READ | GENERIC_WRITE;
}

DWORD MillisecondsLeft(int timeout_ms, Clock::time_point deadline) {
  if (timeout_ms < 0) return INFINITE;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() < 0 ? 0 : static_cast<DWORD>(left.count());
}

}  // namespace

struct PipeStream::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::shared_ptr<InstancePool> pool;  // set for a server's end: the instance goes back there
  std::mutex mutex;                    // guards handle and shut_down against Close
  std::atomic<bool> shut_down{false};
  Event cancel;                        // set by Shutdown: ends every wait of this stream

  // Runs one overlapped read or write to its end, or until Shutdown. False with the error.
  bool Transfer(bool reading, void* buffer, DWORD size, DWORD& done, DWORD& error) {
    Event finished;
    OVERLAPPED overlapped{};
    overlapped.hEvent = finished.Get();
    if (shut_down) {
      error = ERROR_BROKEN_PIPE;
      return false;
    }
    const BOOL started = reading ? ::ReadFile(handle, buffer, size, nullptr, &overlapped)
                                 : ::WriteFile(handle, buffer, size, nullptr, &overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING) {
      error = GetLastError();
      return Failed(error);
    }
    const HANDLE waits[2] = {finished.Get(), cancel.Get()};
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
      CancelIoEx(handle, &overlapped);
    }
    if (!GetOverlappedResult(handle, &overlapped, &done, TRUE)) {
      error = GetLastError();
      return Failed(error);
    }
    return true;
  }

  // A pipe whose peer has gone, or that was shut down, is broken, whatever call noticed it.
  static bool Failed(DWORD& error) {
    if (error == ERROR_NO_DATA || error == ERROR_PIPE_NOT_CONNECTED ||
        error == ERROR_OPERATION_ABORTED) {
      error = ERROR_BROKEN_PIPE;
    }
    return false;
  }
};

struct PipeListener::State {
  std::shared_ptr<InstancePool> pool = std::make_shared<InstancePool>();
};

bool PipeStatus::broken() const { return error == ERROR_BROKEN_PIPE; }

PipeStatus InvalidPipeArgument() { return PipeStatus{ERROR_INVALID_PARAMETER}; }
PipeStatus PipeProtocolError() { return PipeStatus{ERROR_INVALID_DATA}; }
PipeStatus PipeTimedOut() { return PipeStatus{WAIT_TIMEOUT}; }
PipeStatus PipeBroken() { return PipeStatus{ERROR_BROKEN_PIPE}; }

std::string SystemErrorText(int error) { return WindowsErrorText(static_cast<DWORD>(error)); }

// --- PipeStream ---

PipeStream::PipeStream(std::unique_ptr<State> state) : state_(std::move(state)) {}

PipeStream::~PipeStream() { Close(); }

PipeStatus PipeStream::ReadExact(void* buffer, std::size_t size) {
  auto* at = static_cast<char*>(buffer);
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD got = 0;
    DWORD error = 0;
    if (!state_->Transfer(true, at, chunk, got, error)) return PipeStatus{static_cast<int>(error)};
    if (got == 0) continue;  // a zero-byte write of the peer
    at += got;
    size -= got;
  }
  return PipeStatus{};
}

PipeStatus PipeStream::WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    DWORD error = 0;
    if (!state_->Transfer(false, const_cast<char*>(bytes.data()), chunk, written, error)) {
      return PipeStatus{static_cast<int>(error)};
    }
    bytes.remove_prefix(written);
  }
  return PipeStatus{};
}

// A pipe has no readiness wait of its own: PeekNamedPipe is asked every few milliseconds.
PipeStatus PipeStream::WaitReadable(int timeout_ms) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (state_->shut_down) return PipeStatus{};
    DWORD available = 0;
    if (!PeekNamedPipe(state_->handle, nullptr, 0, nullptr, &available, nullptr)) {
      return PipeStatus{};  // the peer has gone: the read will say so
    }
    if (available > 0) return PipeStatus{};
    const DWORD left = MillisecondsLeft(timeout_ms, deadline);
    if (left == 0) return PipeTimedOut();
    WaitForSingleObject(state_->cancel.Get(), std::min<DWORD>(left, 10));
  }
}

bool PipeStream::PeerUserId(PipeUserId& uid) const {
  uid = OwnUserId();
  return true;
}

std::string PipeStream::PeerUserName() const {
  wchar_t name[256] = {};
  if (!GetNamedPipeHandleStateW(state_->handle, nullptr, nullptr, nullptr, nullptr, name,
                                static_cast<DWORD>(std::size(name)))) {
    return std::string();
  }
  return Text1252Marked(name);
}

void PipeStream::Shutdown() {
  const std::lock_guard lock(state_->mutex);
  state_->shut_down = true;
  SetEvent(state_->cancel.Get());
  if (state_->handle != INVALID_HANDLE_VALUE) CancelIoEx(state_->handle, nullptr);
}

void PipeStream::Close() {
  Shutdown();
  const std::lock_guard lock(state_->mutex);
  const HANDLE handle = state_->handle;
  state_->handle = INVALID_HANDLE_VALUE;
  if (handle == INVALID_HANDLE_VALUE) return;
  if (state_->pool) {
    state_->pool->GiveBack(handle);
  } else {
    CloseHandle(handle);
  }
}

// --- PipeListener ---

PipeListener::PipeListener(std::unique_ptr<State> state) : state_(std::move(state)) {}

PipeListener::~PipeListener() { state_->pool->Shut(); }

// The first instance is made at once (FILE_FLAG_FIRST_PIPE_INSTANCE), so a name that another
// server holds is refused here; it waits in the pool for the first Accept.
PipeStatus PipeListener::Create(const std::string& pipe_path,
                                std::unique_ptr<PipeListener>& listener, PipeDirection direction,
                                unsigned max_instances) {
  auto state = std::make_unique<State>();
  InstancePool& pool = *state->pool;
  if (!ParseName(pipe_path, pool.name) || max_instances < 1 ||
      max_instances > PIPE_UNLIMITED_INSTANCES - 1) {
    return InvalidPipeArgument();
  }
  pool.open_mode = ServerMode(direction);
  pool.out_size = direction == PipeDirection::kInbound ? 0 : kBufferSize;
  pool.in_size = direction == PipeDirection::kOutbound ? 0 : kBufferSize;
  pool.max_instances = max_instances;
  const HANDLE first = pool.NewInstance(true);
  if (first == INVALID_HANDLE_VALUE) return LastError();
  pool.idle.push_back(first);
  listener.reset(new PipeListener(std::move(state)));
  return PipeStatus{};
}

PipeStatus PipeListener::Accept(std::unique_ptr<PipeStream>& connection, int timeout_ms,
                                PipeStream* watch) {
  const std::shared_ptr<InstancePool>& pool = state_->pool;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  const HANDLE instance = pool->Take();
  if (instance == INVALID_HANDLE_VALUE) {
    return pool->shut_down ? PipeStatus{ERROR_OPERATION_ABORTED} : LastError();
  }
  Event connected;
  OVERLAPPED overlapped{};
  overlapped.hEvent = connected.Get();
  DWORD error = ERROR_SUCCESS;
  if (!ConnectNamedPipe(instance, &overlapped)) error = GetLastError();
  if (error == ERROR_IO_PENDING) {
    error = ERROR_SUCCESS;
    const HANDLE waits[2] = {connected.Get(), pool->cancel.Get()};
    for (;;) {
      DWORD slice = MillisecondsLeft(timeout_ms, deadline);
      if (watch != nullptr) slice = std::min(slice, kWatchSliceMs);
      const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, slice);
      if (woken == WAIT_OBJECT_0) break;
      if (woken == WAIT_OBJECT_0 + 1) {
        error = ERROR_OPERATION_ABORTED;
      } else if (watch != nullptr && PeerGone(*watch)) {
        error = ERROR_BROKEN_PIPE;
      } else if (MillisecondsLeft(timeout_ms, deadline) == 0) {
        error = WAIT_TIMEOUT;
      } else {
        continue;
      }
      CancelIoEx(instance, &overlapped);
      break;
    }
    DWORD ignored = 0;
    if (!GetOverlappedResult(instance, &overlapped, &ignored, TRUE) && error == ERROR_SUCCESS) {
      error = GetLastError();
    }
  }
  if (error == ERROR_PIPE_CONNECTED) error = ERROR_SUCCESS;  // the client came first
  if (error != ERROR_SUCCESS) {
    pool->GiveBack(instance);
    return PipeStatus{static_cast<int>(error)};
  }
  auto state = std::make_unique<PipeStream::State>();
  state->handle = instance;
  state->pool = pool;
  connection = std::make_unique<PipeStream>(std::move(state));
  return PipeStatus{};
}

void PipeListener::Shutdown() { state_->pool->Shut(); }

// A zero-byte write fails once the peer has gone; it needs no read access to the pipe.
bool PipeListener::PeerGone(PipeStream& stream) {
  char nothing = 0;
  DWORD written = 0;
  DWORD error = 0;
  return !stream.state_->Transfer(false, &nothing, 0, written, error);
}

PipeStatus ConnectPipe(const std::string& pipe_path, std::unique_ptr<PipeStream>& connection,
                       PipeDirection direction, int timeout_ms) {
  std::wstring name;
  if (!ParseName(pipe_path, name)) return InvalidPipeArgument();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    const HANDLE handle = CreateFileW(name.c_str(), ClientAccess(direction), 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      auto state = std::make_unique<PipeStream::State>();
      state->handle = handle;
      connection = std::make_unique<PipeStream>(std::move(state));
      return PipeStatus{};
    }
    const PipeStatus status = LastError();
    // Every instance is busy: wait for one to be free, within the time given.
    if (status.error != ERROR_PIPE_BUSY) return status;
    const DWORD left = MillisecondsLeft(0, deadline);
    if (left == 0) return PipeTimedOut();
    WaitNamedPipeW(name.c_str(), left);
  }
}

PipeStatus MakePipePair(std::unique_ptr<PipeStream>& first, std::unique_ptr<PipeStream>& second) {
  static std::atomic<unsigned> counter{0};
  const std::string path = "\\\\.\\pipe\\check_html_pair_" + std::to_string(GetCurrentProcessId()) +
                           "_" + std::to_string(counter++);
  std::unique_ptr<PipeListener> listener;
  if (const PipeStatus status = PipeListener::Create(path, listener); !status.ok()) return status;
  if (const PipeStatus status = ConnectPipe(path, second); !status.ok()) return status;
  if (const PipeStatus status = listener->Accept(first, static_cast<int>(kDefaultWaitMs));
      !status.ok()) {
    return status;
  }
  return PipeStatus{};  // the listener has gone: the instance is closed with its end
}

PipeUserId OwnUserId() { return 0; }

std::string OwnUserName() {
  wchar_t name[256] = {};
  DWORD size = static_cast<DWORD>(std::size(name));
  if (!GetUserNameW(name, &size)) return std::string();
  return Text1252Marked(name);
}

int CurrentThreadId() { return static_cast<int>(GetCurrentThreadId()); }

}  // namespace check_html
