#include "comm/server/execute_thread.h"

#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_message.h"
#include "comm/stream/pipe_texts.h"
#include "comm/server/server_thread.h"

namespace check_html {

TExecuteThread::TExecuteThread(TServerThread& owner, int32_t id,
                               std::unique_ptr<TExecutable> request, ComponentHost host)
    : TMsgThread(owner.OnMessage(), owner.Post()),
      owner_(owner),
      id_(id),
      request_(std::move(request)),
      host_(std::move(host)) {}

TExecuteThread::~TExecuteThread() {
  RequestStop();
  Join();
}

void TExecuteThread::Execute() {
  std::unique_ptr<TComponent> result;
  int32_t status = 0;
  try {
    request_->Execute(host_, result, status, [this](const std::string& text) { PostMsg(text); });
  } catch (const std::exception& error) {
    PostFmt(kExceptionIn, ErrorClassName(error), error.what());
    result = CreateExceptionResult(error);
  }
  if (result) {
    PostFmt(kSendingResult, id_, result->ClassName().c_str());
    std::string stream;
    try {
      SendResult(id_, *result, stream);
    } catch (const std::exception& error) {
      PostMsg(error.what());
    }
  }
  result.reset();
  request_.reset();
}

std::unique_ptr<TComponent> TExecuteThread::CreateExceptionResult(const std::exception& error) {
  auto result = std::make_unique<TExceptionResult>();
  result->ExceptionClass = ErrorClassName(error);
  result->Message = error.what();
  return result;
}

void TExecuteThread::SendResult(int32_t id, TComponent& result, std::string& stream) {
  stream = EncodeMessage(id, result);
  TExecutable* executable = AsExecutable(&result);
  if (executable != nullptr && executable->PCode >= 1) {
    std::string data;
    if (!CallOnWindow([&] { executable->SaveData(data, host_); })) return;
    stream += data;
    SetFixed32(stream, 0, static_cast<uint32_t>(stream.size() - 4));
  }
  owner_.WriteResult(stream);
}

}  // namespace check_html
