// The stop signal of a batch server, taken by waiting instead of by a handler, so the server can
// stop its threads cleanly afterwards. Linux: SIGINT or SIGTERM. Windows: Ctrl+C, Ctrl+Break or
// the console closing (SetConsoleCtrlHandler).
#pragma once

#include <memory>

namespace check_html {

// While it lives, the stop signals no longer end the process but wait for WaitForStopSignal.
// Linux: SIGINT and SIGTERM are blocked in the calling thread and the threads it starts
// meanwhile, which inherit the block. Windows: a console control handler takes them.
class StopSignalBlock {
 public:
  StopSignalBlock();
  ~StopSignalBlock();
  StopSignalBlock(const StopSignalBlock&) = delete;
  StopSignalBlock& operator=(const StopSignalBlock&) = delete;

 private:
  struct Saved;  // what the block changed, put back when it ends
  std::unique_ptr<Saved> saved_;
};

// Waits until a stop signal arrives (taken by a StopSignalBlock) and returns its number: the
// signal on Linux, the console control event on Windows.
int WaitForStopSignal();

}  // namespace check_html
