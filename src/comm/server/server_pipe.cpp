#include "comm/server/server_pipe.h"

#include <stdexcept>

#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "comm/server/server_thread.h"
#include "platform/named_pipe.h"

namespace check_html {

TServerPipe::TServerPipe(PageLists& lists, WindowPost post)
    : Backbone(&lists.BackboneList),
      Cleaned(&lists.CleanedList),
      ServedUserId(OwnUserId()),
      post_(std::move(post)) {}

TServerPipe::~TServerPipe() { SetActive(false); }

void TServerPipe::SetActive(bool active) {
  if (active == Active()) return;
  if (!active) {
    StopThreads();
    listener_.reset();
    active_ = false;
    return;
  }
  PipeStatus status = InvalidPipeArgument();  // Windows allows 1 to 255 instances
  if (MaxConnections >= 1 && MaxConnections <= 255) {
    status = PipeListener::Create(MainPipePath(PipeName()), listener_, PipeDirection::kOutbound,
                                  MaxConnections);
  }
  if (!status.ok()) {
    throw std::runtime_error(
        FormatText(kCreateNamedPipeFailed, SystemErrorText(status.error).c_str()));
  }
  active_ = true;
  for (uint32_t i = 0; i < MaxConnections; ++i) AddThread();
}

std::size_t TServerPipe::ThreadCount() const {
  const std::lock_guard lock(threads_mutex_);
  return threads_.size();
}

void TServerPipe::AddThread() {
  auto thread = std::make_unique<TServerThread>(*this, *listener_);
  TServerThread* started = thread.get();
  {
    const std::lock_guard lock(threads_mutex_);
    threads_.push_back(std::move(thread));
  }
  started->Start();
}

// Wakes every thread from its pipe call (the shared listener first, so no instance takes a new
// client), then joins them from the last to the first.
void TServerPipe::StopThreads() {
  if (listener_ != nullptr) listener_->Shutdown();
  const std::lock_guard lock(threads_mutex_);
  for (auto it = threads_.rbegin(); it != threads_.rend(); ++it) (*it)->Stop();
  for (auto it = threads_.rbegin(); it != threads_.rend(); ++it) (*it)->Join();
  threads_.clear();
}

void TServerPipe::RemoveThread(TServerThread* thread) {
  const std::lock_guard lock(threads_mutex_);
  for (auto it = threads_.begin(); it != threads_.end(); ++it) {
    if (it->get() != thread) continue;
    thread->Stop();
    thread->Join();
    threads_.erase(it);
    return;
  }
}

}  // namespace check_html
