// Support for tests over real pipes: a socket folder of the test's own, a window thread that
// runs posted calls in order and keeps the log lines, and waits that always end.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "../platform/temp_folder.h"
#include "comm/components.h"
#include "comm/window_call.h"
#include "platform/named_pipe.h"

namespace check_html {

// Points XDG_RUNTIME_DIR at a temporary folder while it lives, so pipe names of one test
// never meet another's.
class PipeFolderForTest {
 public:
  PipeFolderForTest() {
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) old_ = old, had_old_ = true;
    setenv("XDG_RUNTIME_DIR", folder_.Path().c_str(), 1);
  }
  ~PipeFolderForTest() {
    if (had_old_) {
      setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
    } else {
      unsetenv("XDG_RUNTIME_DIR");
    }
  }
  std::string Path() const { return folder_.Path(); }

 private:
  TempFolder folder_;
  std::string old_;
  bool had_old_ = false;
};

// The window thread of a test: posted calls run one after another on a thread of its own;
// AddLine keeps the lines. Pause holds the thread busy until Resume.
class TestWindow {
 public:
  TestWindow() : thread_([this] { Run(); }) {}
  ~TestWindow() {
    {
      const std::lock_guard lock(mutex_);
      ending_ = true;
      paused_ = false;
    }
    changed_.notify_all();
    thread_.join();
  }

  WindowPost Post() {
    return [this](std::function<void()> call) {
      {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(call));
      }
      changed_.notify_all();
    };
  }
  TMessageProc AddLine() {
    return [this](const std::string& line) {
      {
        const std::lock_guard lock(mutex_);
        lines_.push_back(line);
      }
      changed_.notify_all();
    };
  }

  std::vector<std::string> Lines() {
    const std::lock_guard lock(mutex_);
    return lines_;
  }
  // True once `count` lines equal to `line` have been added, false after `timeout_ms`.
  bool WaitForLine(const std::string& line, int count = 1, int timeout_ms = 5000) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] {
      return std::count(lines_.begin(), lines_.end(), line) >= count;
    });
  }
  // True once at least `count` calls wait in the queue (the thread being paused).
  bool WaitForQueued(std::size_t count, int timeout_ms = 5000) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                             [&] { return queue_.size() >= count; });
  }
  void Pause() {
    const std::lock_guard lock(mutex_);
    paused_ = true;
  }
  void Resume() {
    {
      const std::lock_guard lock(mutex_);
      paused_ = false;
    }
    changed_.notify_all();
  }
  std::thread::id ThreadId() const { return thread_.get_id(); }

  // Waits until every call posted so far has run.
  void Drain() {
    std::mutex done_mutex;
    std::condition_variable done_changed;
    bool done = false;
    Post()([&] {
      const std::lock_guard lock(done_mutex);
      done = true;
      done_changed.notify_all();
    });
    std::unique_lock lock(done_mutex);
    done_changed.wait_for(lock, std::chrono::seconds(5), [&] { return done; });
  }

 private:
  void Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return ending_ || (!paused_ && !queue_.empty()); });
      if (queue_.empty() && ending_) return;
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

// Fills `list` with the project name and `pages` pages "kapN/backbone/pN.html".
inline void FillList(PageList& list, const std::string& project, int pages) {
  list.Reset(project);
  for (int i = 1; i <= pages; ++i) {
    list.Add("kap" + std::to_string(i) + "/backbone/p" + std::to_string(i) + ".html");
  }
}

// Two connected ends of the pipe `name`: `near` is the listening side's, `far` the client's.
inline void ConnectedPair(const std::string& name, std::unique_ptr<PipeStream>& near,
                          std::unique_ptr<PipeStream>& far) {
  std::unique_ptr<PipeListener> listener;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\" + name, listener).ok());
  ASSERT_TRUE(ConnectPipe("\\\\.\\pipe\\" + name, far).ok());
  ASSERT_TRUE(listener->Accept(near, 1000).ok());
}

}  // namespace check_html
