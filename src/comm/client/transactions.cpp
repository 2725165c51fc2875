#include "comm/client/transactions.h"

#include <chrono>
#include <exception>

#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"

namespace check_html {

TTransaction::TTransaction(int32_t id, std::unique_ptr<TComponent> request)
    : id_(id), request_(std::move(request)) {}

void TWaitTransaction::SetResult(std::unique_ptr<TComponent> result) {
  const std::lock_guard lock(mutex_);
  result_ = std::move(result);
}

void TWaitTransaction::Complete() {
  {
    const std::lock_guard lock(mutex_);
    done_ = true;
  }
  completed_.notify_all();
}

void TWaitTransaction::Fail(const std::string& text) {
  {
    const std::lock_guard lock(mutex_);
    if (done_) return;
    failure_ = text;
    done_ = true;
  }
  completed_.notify_all();
}

std::unique_ptr<TComponent> TWaitTransaction::WaitResult(int timeout_ms) {
  std::unique_lock lock(mutex_);
  if (!completed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] { return done_; })) {
    throw EPipeError(FormatText(kResultTimedOut, Id(), timeout_ms));
  }
  if (!failure_.empty()) throw EPipeError(failure_);
  return std::move(result_);
}

TAsyncTransaction::TAsyncTransaction(int32_t id, std::unique_ptr<TComponent> request,
                                     Callback callback, WindowPost post, TMessageProc on_error)
    : TTransaction(id, std::move(request)),
      callback_(std::move(callback)),
      post_(std::move(post)),
      on_error_(std::move(on_error)) {}

void TAsyncTransaction::SetResult(std::unique_ptr<TComponent> result) {
  result_ = std::move(result);
}

// The posted call holds the transaction, which is released after the callback has run.
void TAsyncTransaction::Complete() {
  post_([self = shared_from_this()] {
    if (!self->result_ || !self->callback_) return;
    try {
      self->callback_(*self->result_);
    } catch (const std::exception& error) {
      if (self->on_error_) self->on_error_(error.what());
    }
  });
}

}  // namespace check_html
