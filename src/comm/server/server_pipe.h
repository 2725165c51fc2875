// TServerPipe: serves requests on a named pipe. Activating it creates the pipe and starts
// MaxConnections server threads, each an instance that serves one client at a time; every
// request runs on an execute thread of its own and its result goes back on the client's main
// pipe. All activity is reported to OnMessage through the window thread.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "comm/stream/components.h"
#include "comm/named_pipe_base.h"
#include "comm/window_call.h"
#include "platform/named_pipe.h"

namespace check_html {

class PipeListener;
class TServerThread;

class TServerPipe : public TNamedPipe {
 public:
  // Requests are answered from `lists`.
  explicit TServerPipe(PageLists& lists, WindowPost post = RunInline);
  ~TServerPipe() override;  // stops every thread

  uint32_t MaxConnections = 1;  // 1..255, read when the server is activated
  TMessageProc OnMessage;
  // The page lists the requests are answered from and LoadData writes to.
  PageList* Backbone;
  PageList* Cleaned;
  // Only clients running under this user id are served; the process's own by default (on
  // Windows every client is).
  PipeUserId ServedUserId;

  // True: creates the pipe and starts the threads; a failure raises std::runtime_error with
  // "CreateNamedPipe failed. %s" and leaves the server inactive. False: stops every thread.
  void SetActive(bool active) override;

  std::size_t ThreadCount() const;
  const WindowPost& Post() const { return post_; }

 protected:
  virtual void StopThreads();
  virtual void AddThread();
  virtual void RemoveThread(TServerThread* thread);

 private:
  WindowPost post_;
  std::unique_ptr<PipeListener> listener_;
  mutable std::mutex threads_mutex_;
  std::vector<std::unique_ptr<TServerThread>> threads_;
};

}  // namespace check_html
