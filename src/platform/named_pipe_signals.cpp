#include "platform/named_pipe_signals.h"

#include <pthread.h>

namespace check_html {
namespace {

sigset_t StopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  return signals;
}

}  // namespace

StopSignalBlock::StopSignalBlock() {
  const sigset_t signals = StopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, &previous_);
}

StopSignalBlock::~StopSignalBlock() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

int WaitForStopSignal() {
  const sigset_t signals = StopSignals();
  int signal = 0;
  while (sigwait(&signals, &signal) != 0) {
  }
  return signal;
}

}  // namespace check_html
