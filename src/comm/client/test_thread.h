// TTestThread: sends one TTestComp request on a client and logs how it ended: the result's
// Message in double quotes, "Server exception %s - %s" for a TExceptionResult, the error's text
// when no result came, and then "Test thread ending".
#pragma once

#include <cstdint>

#include "comm/msg_thread.h"

namespace check_html {

class TClientPipe;

class TTestThread : public TMsgThread {
 public:
  TTestThread(TClientPipe& client, int32_t code, int32_t data);
  ~TTestThread() override;

 protected:
  void Execute() override;

 private:
  TClientPipe& client_;
  int32_t code_;
  int32_t data_;
};

}  // namespace check_html
