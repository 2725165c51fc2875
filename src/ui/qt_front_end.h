// The window's side of a run. Log lines, status texts and button captions are queued to the
// window thread and shown there in the order of the calls, also when one comes from the window
// thread itself (it then stays behind what the worker queued before). A synchronised call
// blocks the worker until the window thread has run it; on the window thread it runs at once.
#pragma once

#include <functional>
#include <string>

#include <QObject>

#include "run/front_end.h"

namespace check_html {

class THTML_Thread;

class QtFrontEnd : public QObject, public RunFrontEnd {
 public:
  // Where the texts go; each runs on the window thread with the 8-bit text.
  using Target = std::function<void(const std::string&)>;
  struct Targets {
    Target log_line;
    Target status;
    Target caption;
    std::function<void(int done, int known)> progress;
  };

  // Lives on the thread that creates it: the window thread.
  explicit QtFrontEnd(Targets targets, QObject* parent = nullptr);

  void LogLine(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void SetButtonCaption(const std::string& caption) override;
  void Synchronize(const std::function<void()>& call) override;
  void ShowProgress(int done, int known) override;

 private:
  // Runs `show` with the text on the window thread, after every text posted before it.
  void Post(const Target& show, const std::string& text);
  bool OnWindowThread() const;

  Targets targets_;
};

// Waits until `run` is no longer running, serving its synchronised calls and queued texts
// meanwhile, so a run that waits for the window thread can still reach its end.
void WaitForRunEnd(const THTML_Thread& run);

}  // namespace check_html
