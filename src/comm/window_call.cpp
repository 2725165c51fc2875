#include "comm/window_call.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>

namespace check_html {
namespace {

struct CallState {
  enum Stage { kQueued, kRunning, kDone, kCancelled };
  std::mutex mutex;
  std::condition_variable_any changed;
  Stage stage = kQueued;
  std::exception_ptr error;
};

}  // namespace

void RunInline(std::function<void()> call) { call(); }

bool CallOnWindowThread(const WindowPost& post, std::function<void()> call, std::stop_token stop) {
  auto state = std::make_shared<CallState>();
  post([state, call = std::move(call)] {
    {
      const std::lock_guard lock(state->mutex);
      if (state->stage == CallState::kCancelled) return;
      state->stage = CallState::kRunning;
    }
    std::exception_ptr error;
    try {
      call();
    } catch (...) {
      error = std::current_exception();
    }
    {
      const std::lock_guard lock(state->mutex);
      state->error = error;
      state->stage = CallState::kDone;
    }
    state->changed.notify_all();
  });
  std::unique_lock lock(state->mutex);
  state->changed.wait(lock, stop, [&] { return state->stage == CallState::kDone; });
  if (state->stage == CallState::kQueued) {
    state->stage = CallState::kCancelled;
    return false;
  }
  // Already running on the window thread, which is not waiting for us: let it finish.
  state->changed.wait(lock, [&] { return state->stage == CallState::kDone; });
  if (state->error) std::rethrow_exception(state->error);
  return true;
}

}  // namespace check_html
