// TServerThread: one instance of the server's pipe. It waits for a client, gives it an inbound
// pipe of its own ("NuvInbound" and the thread's id, announced on the main pipe), reads its
// requests from there and starts an execute thread for each; when the client goes, the instance
// waits for the next one. An error of one connection is logged and ends that connection only.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "comm/stream/components.h"
#include "comm/msg_thread.h"

namespace check_html {

class PipeListener;
class PipeStream;
class TExecuteThread;
class TExecutable;
class TServerPipe;

class TServerThread : public TMsgThread {
 public:
  TServerThread(TServerPipe& server, PipeListener& listener);
  ~TServerThread() override;

  // Asks the thread to stop and wakes it, and its execute threads, from every pipe call.
  void Stop();
  bool Connected() const { return connected_; }

  // Writes one whole result on the client's main pipe; results never interleave. A client that
  // has gone is not an error here (the reading side notices it).
  void WriteResult(std::string_view message);

 protected:
  void Execute() override;
  // Creates the inbound pipe, announces it and waits for the client to open it.
  virtual void CreateInbound();
  // Ends the connection: wakes and joins its execute threads, closes both pipes.
  virtual void Disconnect();

 private:
  void ServeClient();
  void ReceiveRequests();
  void StartExecute(int32_t id, std::unique_ptr<TExecutable> request);
  bool PeerServed(PipeStream& stream);
  template <typename T>
  void Adopt(std::unique_ptr<T>& slot, std::unique_ptr<T> object);

  TServerPipe& server_;
  PipeListener& listener_;
  ComponentHost host_;
  std::atomic<bool> connected_{false};
  std::string user_name_;

  std::mutex sockets_mutex_;  // guards the three below and executes_ against Stop
  std::unique_ptr<PipeStream> pipe_;
  std::unique_ptr<PipeStream> inbound_;
  std::unique_ptr<PipeListener> inbound_listener_;
  std::vector<std::unique_ptr<TExecuteThread>> executes_;
  std::mutex write_mutex_;
};

}  // namespace check_html
