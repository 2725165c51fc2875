// The batch front end's side of a run: log lines go to a stream as raw bytes, the status line is
// kept for the closing "Status: ..." line and, on a terminal, shown as a live progress display.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "run/front_end.h"

namespace check_html {

class BatchFrontEnd : public RunFrontEnd {
 public:
  // `log` receives the log lines; `progress` (may be null) the live status display.
  BatchFrontEnd(std::FILE* log, std::FILE* progress);

  void LogLine(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void SetButtonCaption(const std::string& caption) override;
  void Synchronize(const std::function<void()>& call) override;
  void ShowProgress(int done, int known) override;

  std::string LastStatus() const;
  // Clears the progress display so the next line starts on a clean line.
  void EndProgress();

 private:
  void DrawProgress();

  mutable std::mutex mutex_;
  std::FILE* log_;
  std::FILE* progress_;
  std::string status_;
  std::string pass_;      // the status text before its path: "Clean File", "TC:", ...
  long pass_count_ = 0;   // status lines shown in this pass so far
  int done_ = 0;          // the pass's own progress, when it shows one: done of known
  int known_ = 0;
  bool progress_shown_ = false;
  std::recursive_mutex sync_mutex_;
};

// The pass name of a status text: the words before the first one that looks like a path.
std::string StatusPassName(const std::string& status);

}  // namespace check_html
