#include "platform/stop_signal.h"

#include <pthread.h>
#include <signal.h>

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

struct StopSignalBlock::Saved {
  sigset_t mask;
};

StopSignalBlock::StopSignalBlock() : saved_(std::make_unique<Saved>()) {
  const sigset_t signals = StopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, &saved_->mask);
}

StopSignalBlock::~StopSignalBlock() { pthread_sigmask(SIG_SETMASK, &saved_->mask, nullptr); }

int WaitForStopSignal() {
  const sigset_t signals = StopSignals();
  int signal = 0;
  while (sigwait(&signals, &signal) != 0) {
  }
  return signal;
}

}  // namespace check_html
