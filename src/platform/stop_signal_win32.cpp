#include "platform/stop_signal.h"

#include <windows.h>

#include <condition_variable>
#include <mutex>

namespace check_html {
namespace {

std::mutex signal_mutex;
std::condition_variable signal_arrived;
int pending_event = -1;  // the console event that came, -1 while none

// Runs on a thread the system starts. Returning TRUE keeps the process alive; for the console
// closing the system ends it after the handler returns, so the handler waits a little for the
// server to stop first.
BOOL WINAPI TakeConsoleEvent(DWORD event) {
  {
    const std::lock_guard lock(signal_mutex);
    pending_event = static_cast<int>(event);
  }
  signal_arrived.notify_all();
  if (event == CTRL_CLOSE_EVENT) Sleep(2000);
  return TRUE;
}

}  // namespace

struct StopSignalBlock::Saved {};

StopSignalBlock::StopSignalBlock() : saved_(std::make_unique<Saved>()) {
  {
    const std::lock_guard lock(signal_mutex);
    pending_event = -1;
  }
  SetConsoleCtrlHandler(TakeConsoleEvent, TRUE);
}

StopSignalBlock::~StopSignalBlock() { SetConsoleCtrlHandler(TakeConsoleEvent, FALSE); }

int WaitForStopSignal() {
  std::unique_lock lock(signal_mutex);
  signal_arrived.wait(lock, [] { return pending_event >= 0; });
  const int event = pending_event;
  pending_event = -1;
  return event;
}

}  // namespace check_html
