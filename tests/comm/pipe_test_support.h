// Support for tests over real pipes: a socket folder of the test's own, a window thread that
// runs posted calls in order and keeps the log lines, waits that always end, and requests of the
// page-list transfer.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "../platform/temp_folder.h"
#include "comm/client/client_pipe.h"
#include "comm/stream/components.h"
#include "comm/stream/test_comp.h"
#include "comm/window_call.h"
#include "platform/named_pipe.h"
#include "platform/process_info.h"
#include "site/page_lists.h"

namespace check_html {

// Points XDG_RUNTIME_DIR, where Linux keeps its pipes, at a temporary folder while it lives.
class PipeFolderForTest : public TempFolder {
 public:
  PipeFolderForTest() { SetEnvironmentValue("XDG_RUNTIME_DIR", Path()); }
  ~PipeFolderForTest() { SetEnvironmentValue("XDG_RUNTIME_DIR", old_); }

 private:
  std::string old_ = EnvironmentValue("XDG_RUNTIME_DIR");
};

// True once `condition` holds, false after five seconds.
inline bool Eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// The text of the error `call` throws, or "no error".
inline std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

// The window thread of a test. Pause holds it busy (posted calls wait) until Resume.
class TestWindow {
 public:
  TestWindow() : thread_([this] { Run(); }) {}
  ~TestWindow() {
    Change([&] { ending_ = true, paused_ = false; });
    thread_.join();
  }

  WindowPost Post() {
    return [this](std::function<void()> call) { Change([&] { queue_.push_back(std::move(call)); }); };
  }
  TMessageProc AddLine() {
    return [this](const std::string& line) { Change([&] { lines_.push_back(line); }); };
  }
  std::vector<std::string> Lines() {
    const std::lock_guard lock(mutex_);
    return lines_;
  }
  std::thread::id ThreadId() const { return thread_.get_id(); }
  void Pause() { Change([&] { paused_ = true; }); }
  void Resume() { Change([&] { paused_ = false; }); }

  // True once `count` lines equal `line`; false after five seconds.
  bool WaitForLine(const std::string& line, int count = 1) {
    return WaitUntil([&] { return std::count(lines_.begin(), lines_.end(), line) >= count; });
  }
  bool WaitForQueued(std::size_t count) {
    return WaitUntil([&] { return queue_.size() >= count; });
  }
  // Waits until every call posted so far has run.
  void Drain() {
    bool done = false;
    Post()([&] { Change([&] { done = true; }); });
    WaitUntil([&] { return done; });
  }

 private:
  void Change(const std::function<void()>& change) {
    {
      const std::lock_guard lock(mutex_);
      change();
    }
    changed_.notify_all();
  }
  bool WaitUntil(const std::function<bool()>& condition) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), condition);
  }
  void Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return ending_ || (!paused_ && !queue_.empty()); });
      if (queue_.empty()) return;
      std::function<void()> call = std::move(queue_.front());
      queue_.pop_front();
      lock.unlock();
      call();
      lock.lock();
    }
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> queue_;
  std::vector<std::string> lines_;
  bool paused_ = false;
  bool ending_ = false;
  std::thread thread_;
};

// A result as "PCode PData Message", or the class name of another than TTestComp.
inline std::string Describe(const TComponent& result) {
  const auto* answer = dynamic_cast<const TTestComp*>(&result);
  if (!answer) return result.ClassName();
  return std::to_string(answer->PCode) + " " + std::to_string(answer->PData) + " " +
         answer->Message;
}

// The result of a TTestComp request, described, or the error's text.
inline std::string Ask(TClientPipe& client, int32_t code, int32_t data) {
  std::unique_ptr<TComponent> result;
  const std::string error =
      ErrorOf([&] { client.ExecuteWait(MakeTestRequest(code, data), result); });
  return result ? Describe(*result) : error;
}

// A client of `pipe` that fills `lists`, whose calls run on `window`, which keeps its lines; it
// starts no test threads and waits `connect_timeout` ms for a free instance and 5 s for a result.
inline std::unique_ptr<TClientPipe> MakeClient(PageLists& lists, TestWindow& window,
                                               const std::string& pipe,
                                               int32_t connect_timeout = 0) {
  auto client = std::make_unique<TClientPipe>(lists, window.Post());
  client->OnMessage = window.AddLine();
  client->StartsTestThreads = false;
  client->ConnectTimeout = connect_timeout;
  client->ResultTimeout = 5000;
  client->SetPipeName(pipe);
  return client;
}

// The project name and `pages` pages "kapN/backbone/pN.html".
inline void FillList(PageList& list, const std::string& project, int pages) {
  list.Reset(project);
  for (int i = 1; i <= pages; ++i) {
    list.Add("kap" + std::to_string(i) + "/backbone/p" + std::to_string(i) + ".html");
  }
}

}  // namespace check_html
