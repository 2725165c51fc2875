// A front end that writes every call, in order, to one event list ("log ...", "status ...",
// "caption ..."), so a test compares the whole course of a run or a pass at once.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "run/front_end.h"

namespace check_html {

class RecordingFrontEnd : public RunFrontEnd {
 public:
  void LogLine(const std::string& text) override {
    Add("log " + text);
    if (on_log) on_log(text);
  }
  void ShowStatus(const std::string& text) override { Add("status " + text); }
  void SetButtonCaption(const std::string& caption) override { Add("caption " + caption); }
  void Synchronize(const std::function<void()>& call) override {
    in_synchronize_ = true;
    call();
    in_synchronize_ = false;
  }

  void Add(const std::string& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }
  std::vector<std::string> Events() const {
    std::lock_guard lock(mutex_);
    return events_;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
  }
  bool InSynchronize() const { return in_synchronize_; }

  // Called after each log line is recorded.
  std::function<void(const std::string&)> on_log;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> events_;
  bool in_synchronize_ = false;
};

}  // namespace check_html
