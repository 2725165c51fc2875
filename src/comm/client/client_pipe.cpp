#include "comm/client/client_pipe.h"

#include "comm/client/client_threads.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "comm/client/test_thread.h"
#include "comm/client/transactions.h"
#include "platform/named_pipe.h"

namespace check_html {
namespace {

constexpr uint8_t kMaxInboundName = 63;

}  // namespace

TClientPipe::TClientPipe(PageLists& lists, WindowPost post)
    : Backbone(&lists.BackboneList), Cleaned(&lists.CleanedList), post_(std::move(post)) {}

TClientPipe::~TClientPipe() { Close(); }

std::string TClientPipe::MakePipeName(const std::string& server, const std::string& pipe) {
  return "\\\\" + (server.empty() ? std::string(".") : server) + "\\pipe\\" + pipe;
}

void TClientPipe::SetActive(bool active) {
  if (!active) {
    Close();
    return;
  }
  if (Active()) return;
  Close();  // what a connection that broke has left
  try {
    Open(MakePipeName(ServerName, PipeName()));
    OpenInbound();
  } catch (...) {
    Close();
    throw;
  }
  send_ = std::make_unique<TClientSendThread>(*this);
  receive_ = std::make_unique<TClientReceiveThread>(*this);
  {
    const std::lock_guard lock(pending_mutex_);
    active_ = true;
    sending_ = true;
  }
  receive_->Start();
  send_->Start();
}

void TClientPipe::Open(const std::string& path) {
  path_ = path;
  const int wait_ms = ConnectTimeout > 0 ? ConnectTimeout : kDefaultPipeWaitMs;
  PipeStatus status = ConnectPipe(path, main_, PipeDirection::kOutbound, wait_ms);
  // The server announces the inbound pipe once an instance has taken the connection.
  if (status.ok()) status = main_->WaitReadable(wait_ms);
  if (!status.ok()) throw EPipeError(FormatWithError(kWaitNamedPipeFailed, path, status.error));
}

void TClientPipe::OpenInbound() {
  uint8_t size = 0;
  std::string name(kMaxInboundName, '\0');
  PipeStatus status = main_->ReadExact(&size, 1);
  if (status.ok() && (size == 0 || size > kMaxInboundName)) status = PipeProtocolError();
  if (status.ok()) status = main_->ReadExact(name.data(), size);
  if (!status.ok()) throw EPipeError(FormatWithError(kUnableToOpenPipe, path_, status.error));
  name.resize(size);
  const std::string inbound_path = MakePipeName(ServerName, name);
  status = ConnectPipe(inbound_path, inbound_, PipeDirection::kInbound);
  if (!status.ok()) {
    throw EPipeError(FormatWithError(kUnableToOpenInbound, inbound_path, status.error));
  }
}

void TClientPipe::Deactivate() {
  {
    const std::lock_guard lock(pending_mutex_);
    active_ = false;
    sending_ = false;
  }
  pending_changed_.notify_all();
}

void TClientPipe::Close() {
  Deactivate();
  if (send_) send_->RequestStop();
  send_.reset();  // joins
  if (main_) main_->Shutdown();
  if (inbound_) inbound_->Shutdown();
  receive_.reset();  // asks to stop and joins; the shutdown has woken it
  FreeLists();
  std::vector<std::unique_ptr<TTestThread>> test_threads;
  {
    const std::lock_guard lock(test_threads_mutex_);
    test_threads.swap(test_threads_);
  }
  test_threads.clear();  // each joins; their waits have failed above
  main_.reset();
  inbound_.reset();
}

void TClientPipe::ThreadTerminated() {
  Deactivate();
  main_->Shutdown();  // the other thread ends too
  inbound_->Shutdown();
  FreeLists();
}

void TClientPipe::FreeLists() {
  std::deque<std::shared_ptr<TTransaction>> pending;
  std::unordered_map<int32_t, std::shared_ptr<TTransaction>> sent;
  {
    const std::lock_guard lock(pending_mutex_);
    pending.swap(pending_);
  }
  {
    const std::lock_guard lock(sent_mutex_);
    sent.swap(sent_);
  }
  for (auto& transaction : pending) transaction->Fail(FormatText(kConnectionClosed, transaction->Id()));
  for (auto& [id, transaction] : sent) transaction->Fail(FormatText(kConnectionClosed, id));
}

void TClientPipe::Enqueue(const std::shared_ptr<TTransaction>& transaction) {
  {
    const std::lock_guard lock(pending_mutex_);
    if (!active_) throw EPipeError(kClientNotActive);
    if (!sending_) throw EPipeError(kNoClientThread);
    pending_.push_back(transaction);
  }
  pending_changed_.notify_all();
}

std::shared_ptr<TTransaction> TClientPipe::NextPending(std::stop_token stop) {
  std::shared_ptr<TTransaction> next;
  {
    std::unique_lock lock(pending_mutex_);
    pending_changed_.wait(lock, stop, [&] { return !pending_.empty() || !sending_; });
    if (pending_.empty() || !sending_ || stop.stop_requested()) return nullptr;
    next = std::move(pending_.front());
    pending_.pop_front();
  }
  // Listed as sent before it is written, so a quick result finds it.
  const std::lock_guard lock(sent_mutex_);
  sent_[next->Id()] = next;
  return next;
}

std::shared_ptr<TTransaction> TClientPipe::TakeSent(int32_t id) {
  const std::lock_guard lock(sent_mutex_);
  const auto found = sent_.find(id);
  if (found == sent_.end()) return nullptr;
  std::shared_ptr<TTransaction> transaction = std::move(found->second);
  sent_.erase(found);
  return transaction;
}

void TClientPipe::Forget(int32_t id) {
  {
    const std::lock_guard lock(pending_mutex_);
    std::erase_if(pending_, [id](const auto& transaction) { return transaction->Id() == id; });
  }
  TakeSent(id);
}

void TClientPipe::ExecuteWait(std::unique_ptr<TComponent> request,
                              std::unique_ptr<TComponent>& result) {
  int32_t id = 0;
  {
    const std::lock_guard lock(pending_mutex_);
    id = ++counter_;
  }
  auto transaction = std::make_shared<TWaitTransaction>(id, std::move(request));
  Enqueue(transaction);
  try {
    result = transaction->WaitResult(ResultTimeout);
  } catch (...) {
    Forget(id);
    throw;
  }
}

void TClientPipe::ExecuteAsync(std::unique_ptr<TComponent> request,
                               std::function<void(TComponent& result)> callback) {
  int32_t id = 0;
  {
    const std::lock_guard lock(pending_mutex_);
    id = ++counter_;
  }
  Enqueue(std::make_shared<TAsyncTransaction>(id, std::move(request), std::move(callback), post_,
                                              OnMessage));
}

void TClientPipe::StartTestThread(int32_t code, int32_t data) {
  auto thread = std::make_unique<TTestThread>(*this, code, data);
  TTestThread* started = thread.get();
  {
    const std::lock_guard lock(test_threads_mutex_);
    std::erase_if(test_threads_, [](const auto& done) { return done->Finished(); });
    test_threads_.push_back(std::move(thread));
  }
  started->Start();
}

ComponentHost TClientPipe::HostFor(TMsgThread& thread) {
  ComponentHost host;
  host.backbone = Backbone;
  host.cleaned = Cleaned;
  host.message = [&thread](const std::string& text) { thread.PostMsg(text); };
  if (StartsTestThreads) {
    host.start_test_thread = [this](int32_t code, int32_t data) { StartTestThread(code, data); };
  }
  return host;
}

}  // namespace check_html
