#include "comm/client/client_threads.h"

#include "comm/client/client_pipe.h"
#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_message.h"
#include "comm/stream/pipe_texts.h"
#include "comm/client/transactions.h"
#include "platform/named_pipe.h"

namespace check_html {

TClientThread::TClientThread(TClientPipe& client)
    : TMsgThread(client.OnMessage, client.Post()), client_(client) {}

TClientSendThread::~TClientSendThread() {
  RequestStop();
  Join();
}

void TClientSendThread::Execute() {
  ComponentHost host = client_.HostFor(*this);
  try {
    while (std::shared_ptr<TTransaction> transaction = client_.NextPending(StopToken())) {
      TComponent& request = *transaction->Request();
      std::string message = EncodeMessage(transaction->Id(), request);
      TExecutable* executable = AsExecutable(&request);
      if (executable != nullptr && executable->PCode >= 1) {
        std::string data;
        if (!CallOnWindow([&] { executable->SaveData(data, host); })) return;
        message += data;
        SetFixed32(message, 0, static_cast<uint32_t>(message.size() - 4));
      }
      WritePipeBytes(*client_.inbound_, message);
      transaction->FreeRequest();
    }
  } catch (const EBrokenPipe&) {
  } catch (const std::exception& error) {
    if (!StopRequested()) PostMsg(error.what());
  }
  if (!StopRequested()) client_.ThreadTerminated();
}

TClientReceiveThread::TClientReceiveThread(TClientPipe& client)
    : TClientThread(client), host_(client.HostFor(*this)) {}

TClientReceiveThread::~TClientReceiveThread() {
  RequestStop();
  Join();
}

void TClientReceiveThread::Execute() {
  try {
    while (!StopRequested()) {
      PipeMessage message = DecodeMessageBody(ReadMessageBody(*client_.main_), client_.Classes);
      TExecutable* executable = AsExecutable(message.component.get());
      if (!message.data.empty() && executable != nullptr) {
        if (!CallOnWindow([&] { executable->LoadData(message.data, host_); })) return;
      }
      if (std::shared_ptr<TTransaction> transaction = client_.TakeSent(message.id)) {
        transaction->SetResult(std::move(message.component));
        transaction->Complete();
      } else {
        PostFmt(kTransactionNotFound, message.id);
      }
    }
  } catch (const EBrokenPipe&) {
  } catch (const std::exception& error) {
    if (!StopRequested()) PostMsg(error.what());
  }
  if (!StopRequested()) client_.ThreadTerminated();
}

}  // namespace check_html
