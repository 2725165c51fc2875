// TClientPipe: the client side of the pipe protocol. Activating it connects to a server's pipe
// (waiting up to ConnectTimeout for a free instance) and opens the inbound pipe the server
// announces; a send thread writes the requests in the order they were made, a receive thread
// matches each result to its request by id, so results may come in any order.
//
// A connection that breaks deactivates the client and fails every transaction still waiting:
// a caller of ExecuteWait gets an EPipeError then, or after ResultTimeout at the latest.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <condition_variable>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <vector>

#include "comm/stream/components.h"
#include "comm/named_pipe_base.h"
#include "comm/window_call.h"

namespace check_html {

class PipeStream;
class TClientReceiveThread;
class TClientSendThread;
class TMsgThread;
class TTestThread;
class TTransaction;

class TClientPipe : public TNamedPipe {
 public:
  // `lists` receive the lists that come.
  explicit TClientPipe(PageLists& lists, WindowPost post = RunInline);
  ~TClientPipe() override;  // closes

  int32_t ConnectTimeout = 0;  // ms to wait for a free instance; 0 or less: 5000
  std::string ServerName;      // empty: the local computer "."
  TMessageProc OnMessage;
  // Where LoadData stores the lists that come.
  PageList* Backbone;
  PageList* Cleaned;
  // When set, a count that comes (codes 1 and 3) starts a TTestThread for the whole list.
  bool StartsTestThreads = true;
  int ResultTimeout = 30000;  // ms that ExecuteWait waits for a result

  // True: connects, raising EPipeError on failure. False: Close.
  void SetActive(bool active) override;

  // Sends `request` and waits for its result, which the caller then owns (it may be a
  // TExceptionResult). EPipeError when inactive, when the connection breaks, or after
  // ResultTimeout.
  void ExecuteWait(std::unique_ptr<TComponent> request, std::unique_ptr<TComponent>& result);
  // Sends `request` and returns; `callback` later runs on the window thread with the result.
  void ExecuteAsync(std::unique_ptr<TComponent> request,
                    std::function<void(TComponent& result)> callback);

  // Starts a TTestThread on this client (request `code` with `data`).
  void StartTestThread(int32_t code, int32_t data);

  // "\\SERVER\pipe\PIPE", the server "." when empty.
  static std::string MakePipeName(const std::string& server, const std::string& pipe);

  const WindowPost& Post() const { return post_; }

 protected:
  // Waits for a free instance of the pipe at `path` and connects to it.
  virtual void Open(const std::string& path);
  virtual void OpenInbound();
  virtual void Close();
  virtual void FreeLists();
  // Called by a client thread that ends by itself: deactivates the client.
  virtual void ThreadTerminated();

 private:
  friend class TClientSendThread;
  friend class TClientReceiveThread;

  void Enqueue(const std::shared_ptr<TTransaction>& transaction);
  // The next pending transaction, now listed as sent; null when stopping or deactivated.
  std::shared_ptr<TTransaction> NextPending(std::stop_token stop);
  std::shared_ptr<TTransaction> TakeSent(int32_t id);
  void Forget(int32_t id);
  void Deactivate();
  ComponentHost HostFor(TMsgThread& thread);

  WindowPost post_;
  std::string path_;
  std::unique_ptr<PipeStream> main_;     // the server writes, we read
  std::unique_ptr<PipeStream> inbound_;  // we write, the server reads
  std::unique_ptr<TClientSendThread> send_;
  std::unique_ptr<TClientReceiveThread> receive_;
  int32_t counter_ = 0;  // guarded by pending_mutex_

  std::mutex pending_mutex_;
  std::condition_variable_any pending_changed_;
  std::deque<std::shared_ptr<TTransaction>> pending_;
  bool sending_ = false;  // the send thread takes transactions

  std::mutex sent_mutex_;
  std::unordered_map<int32_t, std::shared_ptr<TTransaction>> sent_;

  std::mutex test_threads_mutex_;
  std::vector<std::unique_ptr<TTestThread>> test_threads_;
};

}  // namespace check_html
