// TExecuteThread: runs one request for a server thread and sends its result (or, when Execute
// raised an error, a TExceptionResult) back with the request's id.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include "comm/stream/components.h"
#include "comm/msg_thread.h"

namespace check_html {

class TServerThread;

class TExecuteThread : public TMsgThread {
 public:
  TExecuteThread(TServerThread& owner, int32_t id, std::unique_ptr<TExecutable> request,
                 ComponentHost host);
  ~TExecuteThread() override;

 protected:
  void Execute() override;
  virtual std::unique_ptr<TComponent> CreateExceptionResult(const std::exception& error);
  // Writes the result as one message; an executable result with PCode >= 1 gets its data block
  // from SaveData on the window thread first. Nothing is sent when the thread is stopped then.
  virtual void SendResult(int32_t id, TComponent& result, std::string& stream);

 private:
  TServerThread& owner_;
  int32_t id_;
  std::unique_ptr<TExecutable> request_;
  ComponentHost host_;
};

}  // namespace check_html
