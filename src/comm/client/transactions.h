// A client request on its way: pending (not yet sent) -> sent (waiting for its result) ->
// completed. Transactions are shared between the caller and the client's threads, so each lives
// as long as its last holder.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "comm/stream/components.h"
#include "comm/window_call.h"

namespace check_html {

class TTransaction {
 public:
  TTransaction(int32_t id, std::unique_ptr<TComponent> request);
  virtual ~TTransaction() = default;

  int32_t Id() const { return id_; }
  // Used by the send thread only, until FreeRequest.
  TComponent* Request() const { return request_.get(); }
  void FreeRequest() { request_.reset(); }

  virtual void SetResult(std::unique_ptr<TComponent> result) = 0;
  virtual void Complete() = 0;
  // The connection ended before the result came; `text` says so.
  virtual void Fail(const std::string& text) = 0;

 private:
  int32_t id_;
  std::unique_ptr<TComponent> request_;
};

// Completion sets an event that the caller of ExecuteWait waits for.
class TWaitTransaction : public TTransaction {
 public:
  using TTransaction::TTransaction;

  void SetResult(std::unique_ptr<TComponent> result) override;
  void Complete() override;
  void Fail(const std::string& text) override;

  // Waits up to `timeout_ms` for the result and hands it over; EPipeError when the connection
  // ended first or the time ran out.
  std::unique_ptr<TComponent> WaitResult(int timeout_ms);

 private:
  std::mutex mutex_;
  std::condition_variable completed_;
  bool done_ = false;
  std::string failure_;
  std::unique_ptr<TComponent> result_;
};

// Completion runs the callback with the result on the window thread; a failed transaction is
// released without it.
class TAsyncTransaction : public TTransaction,
                          public std::enable_shared_from_this<TAsyncTransaction> {
 public:
  using Callback = std::function<void(TComponent& result)>;
  TAsyncTransaction(int32_t id, std::unique_ptr<TComponent> request, Callback callback,
                    WindowPost post, TMessageProc on_error);

  void SetResult(std::unique_ptr<TComponent> result) override;
  void Complete() override;
  void Fail(const std::string&) override {}

 private:
  Callback callback_;
  WindowPost post_;
  TMessageProc on_error_;
  std::unique_ptr<TComponent> result_;
};

}  // namespace check_html
