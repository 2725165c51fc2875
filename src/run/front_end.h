// The one interface between a check run and whatever shows it: the batch front end prints and
// calls inline, the window queues to its own thread.
#pragma once

#include <functional>
#include <string>

namespace check_html {

class RunFrontEnd {
 public:
  virtual ~RunFrontEnd() = default;

  // One line at the end of the log; lines arrive in the order of the calls.
  virtual void LogLine(const std::string& text) = 0;
  // The one-line status display.
  virtual void ShowStatus(const std::string& text) = 0;
  // The start button's caption ("&Start" or "&Stop").
  virtual void SetButtonCaption(const std::string& caption) = 0;
  // Runs `call` on the front end's own thread and returns when it has finished.
  virtual void Synchronize(const std::function<void()>& call) = 0;
  // How far a long pass is: `done` of the `known` items so far (the known ones may still grow).
  // A pass that shows none, and the end of the run, show 0 of 0.
  virtual void ShowProgress(int done, int known) {
    (void)done;
    (void)known;
  }
};

}  // namespace check_html
