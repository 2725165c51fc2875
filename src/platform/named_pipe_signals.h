// The signals that end a batch server (SIGINT, SIGTERM), taken by waiting instead of by a
// handler, so the server can stop its threads cleanly afterwards.
#pragma once

#include <signal.h>

namespace check_html {

// Blocks SIGINT and SIGTERM in the calling thread while it lives. Threads started meanwhile
// inherit the block, so the signals wait for WaitForStopSignal.
class StopSignalBlock {
 public:
  StopSignalBlock();
  ~StopSignalBlock();
  StopSignalBlock(const StopSignalBlock&) = delete;
  StopSignalBlock& operator=(const StopSignalBlock&) = delete;

 private:
  sigset_t previous_;
};

// Waits until SIGINT or SIGTERM arrives (blocked by a StopSignalBlock) and returns it.
int WaitForStopSignal();

}  // namespace check_html
