// A pipe framework thread that reports to the window thread: PostMsg queues a log line for
// OnMessage there and returns at once (lines keep the order of the calls); CallOnWindow runs a
// function there and waits for it, unless the thread is asked to stop first.
#pragma once

#include <atomic>
#include <functional>
#include <stop_token>
#include <string>
#include <thread>

#include "comm/stream/components.h"
#include "comm/window_call.h"

namespace check_html {

class TMsgThread {
 public:
  TMsgThread(TMessageProc on_message, WindowPost post);
  // The owner stops and joins the thread before releasing it; this only makes sure.
  virtual ~TMsgThread();
  TMsgThread(const TMsgThread&) = delete;
  TMsgThread& operator=(const TMsgThread&) = delete;

  void Start();
  void RequestStop();
  void Join();
  // True once Execute has returned.
  bool Finished() const { return finished_; }

  const TMessageProc& OnMessage() const { return on_message_; }
  const WindowPost& Post() const { return post_; }

  void PostMsg(const std::string& text);
  virtual void PostFmt(const char* format, ...) __attribute__((format(printf, 2, 3)));

 protected:
  virtual void Execute() = 0;
  bool CallOnWindow(std::function<void()> call);
  std::stop_token StopToken() const { return stop_.get_token(); }
  bool StopRequested() const { return stop_.stop_requested(); }

 private:
  TMessageProc on_message_;
  WindowPost post_;
  std::stop_source stop_;
  std::thread thread_;
  std::atomic<bool> finished_{false};
};

}  // namespace check_html
