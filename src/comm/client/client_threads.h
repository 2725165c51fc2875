// The client's two threads: the send thread writes pending requests on the inbound pipe in
// the order they were made; the receive thread reads results from the main pipe and completes
// their transactions. Either one that ends by itself deactivates the client.
#pragma once

#include "comm/stream/components.h"
#include "comm/msg_thread.h"

namespace check_html {

class TClientPipe;

class TClientThread : public TMsgThread {
 public:
  explicit TClientThread(TClientPipe& client);

 protected:
  TClientPipe& client_;
};

class TClientSendThread : public TClientThread {
 public:
  using TClientThread::TClientThread;
  ~TClientSendThread() override;

 protected:
  void Execute() override;
};

class TClientReceiveThread : public TClientThread {
 public:
  explicit TClientReceiveThread(TClientPipe& client);
  ~TClientReceiveThread() override;

 protected:
  void Execute() override;

 private:
  ComponentHost host_;
};

}  // namespace check_html
