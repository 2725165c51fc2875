#include "comm/client/test_thread.h"

#include "comm/client/client_pipe.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "comm/stream/test_comp.h"

namespace check_html {

TTestThread::TTestThread(TClientPipe& client, int32_t code, int32_t data)
    : TMsgThread(client.OnMessage, client.Post()), client_(client), code_(code), data_(data) {}

TTestThread::~TTestThread() {
  RequestStop();
  Join();
}

void TTestThread::Execute() {
  std::unique_ptr<TComponent> result;
  try {
    client_.ExecuteWait(MakeTestRequest(code_, data_), result);
  } catch (const std::exception& error) {
    PostMsg(error.what());
  }
  if (const auto* failure = dynamic_cast<const TExceptionResult*>(result.get())) {
    PostFmt(kServerException, failure->ExceptionClass.c_str(), failure->Message.c_str());
  } else if (const auto* answer = dynamic_cast<const TTestComp*>(result.get())) {
    PostFmt(kQuoted, answer->Message.c_str());
  }
  result.reset();
  PostMsg(kTestThreadEnding);
}

}  // namespace check_html
