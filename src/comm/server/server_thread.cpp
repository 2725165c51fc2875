#include "comm/server/server_thread.h"

#include "comm/server/execute_thread.h"
#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_message.h"
#include "comm/stream/pipe_texts.h"
#include "comm/server/server_pipe.h"
#include "platform/named_pipe.h"

namespace check_html {

TServerThread::TServerThread(TServerPipe& server, PipeListener& listener)
    : TMsgThread(server.OnMessage, server.Post()), server_(server), listener_(listener) {
  host_.backbone = server.Backbone;
  host_.cleaned = server.Cleaned;
  host_.message = [this](const std::string& text) { PostMsg(text); };
}

TServerThread::~TServerThread() {
  Stop();
  Join();
}

void TServerThread::Stop() {
  RequestStop();
  const std::lock_guard lock(sockets_mutex_);
  if (pipe_) pipe_->Shutdown();
  if (inbound_) inbound_->Shutdown();
  if (inbound_listener_) inbound_listener_->Shutdown();
  for (auto& execute : executes_) execute->RequestStop();
}

// Keeps a new socket where Stop can reach it; one that arrives after Stop is shut at once.
template <typename T>
void TServerThread::Adopt(std::unique_ptr<T>& slot, std::unique_ptr<T> object) {
  const std::lock_guard lock(sockets_mutex_);
  slot = std::move(object);
  if (slot && StopRequested()) slot->Shutdown();
}

void TServerThread::Execute() {
  while (!StopRequested()) {
    std::unique_ptr<PipeStream> client;
    const PipeStatus status = listener_.Accept(client);
    if (StopRequested()) break;
    if (!status.ok()) {
      PostFmt(kUnableToConnectPipe, server_.PipeName().c_str(),
              SystemErrorText(status.error).c_str());
      break;  // this instance serves no more clients
    }
    Adopt(pipe_, std::move(client));
    ServeClient();
    Disconnect();
  }
}

bool TServerThread::PeerServed(PipeStream& stream) {
  PipeUserId uid = 0;
  if (stream.PeerUserId(uid) && uid == server_.ServedUserId) return true;
  PostFmt(kRefusedUser, static_cast<unsigned>(uid));
  return false;
}

void TServerThread::ServeClient() {
  if (!PeerServed(*pipe_)) return;
  connected_ = true;
  try {
    CreateInbound();
  } catch (const EBrokenPipe&) {
    return;  // the client gave up before it was served
  } catch (const std::exception& error) {
    if (!StopRequested()) PostMsg(error.what());
    return;
  }
  PostFmt(kHasConnected, user_name_.c_str());
  try {
    ReceiveRequests();
  } catch (const EBrokenPipe&) {
  } catch (const std::exception& error) {
    if (!StopRequested()) PostMsg(error.what());
  }
  if (!StopRequested()) PostFmt(kHasDisconnected, user_name_.c_str());
}

void TServerThread::CreateInbound() {
  const std::string name = FormatText(kInboundName, CurrentThreadId());
  std::unique_ptr<PipeListener> listener;
  PipeStatus status =
      PipeListener::Create(MainPipePath(name), listener, PipeDirection::kInbound);
  if (!status.ok()) {
    throw EPipeError(FormatText(kCreateInboundFailed, SystemErrorText(status.error).c_str()));
  }
  Adopt(inbound_listener_, std::move(listener));
  std::string announcement;
  PutShortString(announcement, name);
  WritePipeBytes(*pipe_, announcement);
  std::unique_ptr<PipeStream> inbound;
  status = inbound_listener_->Accept(inbound, kDefaultPipeWaitMs, pipe_.get());
  Adopt(inbound_listener_, std::unique_ptr<PipeListener>());  // one client only: name removed
  if (status.broken()) throw EBrokenPipe();
  if (!status.ok()) {
    throw EPipeError(FormatText(kUnableToConnectInbound, SystemErrorText(status.error).c_str()));
  }
  if (!PeerServed(*inbound)) throw EBrokenPipe();
  Adopt(inbound_, std::move(inbound));
  user_name_ = inbound_->PeerUserName();
  if (user_name_.empty()) user_name_ = kUnknownUser;
}

void TServerThread::ReceiveRequests() {
  while (!StopRequested()) {
    PipeMessage message = DecodeMessageBody(ReadMessageBody(*inbound_), server_.Classes);
    TExecutable* executable = AsExecutable(message.component.get());
    if (!message.data.empty() && executable != nullptr) {
      const bool loaded = CallOnWindow([&] { executable->LoadData(message.data, host_); });
      if (!loaded) return;  // stopping
    }
    PostFmt(kReceived, message.id, message.component->ClassName().c_str());
    if (executable == nullptr) {
      PostMsg(kNotExecutable);
      continue;
    }
    message.component.release();
    StartExecute(message.id, std::unique_ptr<TExecutable>(executable));
  }
}

void TServerThread::StartExecute(int32_t id, std::unique_ptr<TExecutable> request) {
  auto execute = std::make_unique<TExecuteThread>(*this, id, std::move(request), host_);
  TExecuteThread* started = execute.get();
  {
    const std::lock_guard lock(sockets_mutex_);
    std::erase_if(executes_, [](const auto& done) { return done->Finished(); });
    // Stop may have passed the list already: a late thread must not wait for the window thread.
    if (StopRequested()) execute->RequestStop();
    executes_.push_back(std::move(execute));
  }
  started->Start();
}

void TServerThread::WriteResult(std::string_view message) {
  const std::lock_guard lock(write_mutex_);
  try {
    WritePipeBytes(*pipe_, message);
  } catch (const EBrokenPipe&) {
  } catch (const EPipeError& error) {
    PostMsg(error.what());
  }
}

void TServerThread::Disconnect() {
  std::vector<std::unique_ptr<TExecuteThread>> executes;
  {
    const std::lock_guard lock(sockets_mutex_);
    if (pipe_) pipe_->Shutdown();
    for (auto& execute : executes_) execute->RequestStop();
    executes.swap(executes_);
  }
  for (auto& execute : executes) execute->Join();
  executes.clear();
  Adopt(inbound_listener_, std::unique_ptr<PipeListener>());
  Adopt(inbound_, std::unique_ptr<PipeStream>());
  Adopt(pipe_, std::unique_ptr<PipeStream>());
  connected_ = false;
}

}  // namespace check_html
