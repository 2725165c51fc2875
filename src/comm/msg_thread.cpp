#include "comm/msg_thread.h"

#include "comm/stream/pipe_errors.h"

#include <cstdarg>
#include <cstdio>

namespace check_html {

TMsgThread::TMsgThread(TMessageProc on_message, WindowPost post)
    : on_message_(std::move(on_message)), post_(std::move(post)) {}

TMsgThread::~TMsgThread() {
  RequestStop();
  Join();
}

void TMsgThread::Start() {
  thread_ = std::thread([this] {
    Execute();
    finished_ = true;
  });
}

void TMsgThread::RequestStop() { stop_.request_stop(); }

void TMsgThread::Join() {
  if (thread_.joinable()) thread_.join();
}

void TMsgThread::PostMsg(const std::string& text) {
  if (!on_message_) return;
  post_([proc = on_message_, text] { proc(text); });
}

void TMsgThread::PostFmt(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatTextV(format, args);
  va_end(args);
  PostMsg(text);
}

bool TMsgThread::CallOnWindow(std::function<void()> call) {
  return CallOnWindowThread(post_, std::move(call), StopToken());
}

}  // namespace check_html
