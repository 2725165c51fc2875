// THTML_Thread: one check run. It owns the run's context (settings copy, working state, reader
// and writer) and, while the passes need it, the site database; Execute is the run itself and
// calls the passes strictly one after another on a worker thread. Each pass is a free function
// of its own folder taking the context; the object keeps the thread, the stop request, the order
// of the passes, their timing and the clean end after an error.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "run/run_context.h"

namespace check_html {

class SiteDatabase;

// Texts of the start button and the status line that the run shows.
inline constexpr const char* kStopCaption = "&Stop";
inline constexpr const char* kStartCaption = "&Start";
inline constexpr const char* kIdleStatus = "Idle";
inline constexpr const char* kIdleListFullStatus = "Idle (f_No too small!)";

class THTML_Thread {
 public:
  explicit THTML_Thread(const RunEnvironment& environment);
  // Asks a run in progress to stop and waits for it. A subclass that overrides passes must call
  // Wait() in its own destructor, so no override runs while its object is destroyed.
  virtual ~THTML_Thread();

  THTML_Thread(const THTML_Thread&) = delete;
  THTML_Thread& operator=(const THTML_Thread&) = delete;

  // Starts Execute on the worker thread. IsRunning is set before the thread starts, so a second
  // Start cannot slip in before the run has begun.
  void Start();
  // The stop request: passes still to come are skipped, the long passes look at it between files.
  void RequestStop() { context_.RequestStop(); }
  bool Stopped() const { return context_.Stopped(); }
  // Waits until the worker thread has ended; returns at once when it never started.
  void Wait();

  // The run; called on the worker thread by Start.
  void Execute();

  // What the next run started after this one is handed: the program's file system, options,
  // page lists and front end (a dry run works on its own file system and lists).
  virtual RunEnvironment NextRunEnvironment() const { return context_.Environment(); }

  // The run's settings and working state. Settings are handed over before Start and not changed
  // while the run is active.
  RunContext& Context() { return context_; }
  const RunContext& Context() const { return context_; }

  // The text of the error that ended the run, empty when it reached its end normally. Read it
  // after Wait().
  const std::string& ErrorText() const { return error_text_; }

  // True from Start until the last step of Execute.
  std::atomic<bool> IsRunning{false};

  // How long each pass of the last run took, in the order they ran. Read it after Wait().
  struct PassTime {
    std::string pass;
    double seconds = 0;
  };
  const std::vector<PassTime>& PassTimes() const { return pass_times_; }

  // How many broken things the run's link check found: missing pages and pictures, and with
  // their checks, missing anchors and broken external links. Read it after Wait().
  int BrokenCount() const { return broken_count_; }

 protected:
  // The passes, in the order Execute calls them; each calls the pass of the same name on the
  // context. A test overrides them to see the order.
  virtual void BuildChapterContents(const std::string& start_file);
  virtual void CrawlTree(const std::string& start_file);
  virtual void WriteCrossCheck(const std::string& path);
  virtual void RewriteAllPages();
  virtual void WriteAbbrevList(const std::string& path);
  virtual void WriteTranslList(const std::string& path);
  virtual void WriteNameList(const std::string& path);
  virtual void WriteNewsList(const std::string& path, bool with_scripts);
  virtual void WriteLanguageIndex(const std::string& path, const std::string& marker,
                                  const std::string& suffix, bool wanted);
  virtual void WriteIndexList(const std::string& path);
  virtual void WriteFailures(const std::string& path);
  virtual void WriteUnreferenced(const std::string& path);
  virtual void WriteMissingAnchors(const std::string& path);
  virtual void CheckExternalLinks(const std::string& path);
  virtual void WriteJsonFindings(const std::string& path);
  virtual void WriteLatexIndex();
  virtual void WriteRefList(const std::string& path);
  virtual void ConvertGifs();
  virtual void UpdatePageLists();
  virtual void CopySpecial();
  virtual void RepairTables(const std::string& page);
  // After the last pass, or after the error that ended the run, before the run counts as ended;
  // a file error raised here ends the run as one raised by a pass does. Nothing by default.
  virtual void EndOfRun() {}

 private:
  void RunSteps();
  // Runs `pass` unless the stop request is set (or `always`), noting its time under `name`.
  void RunPass(const char* name, const std::function<void()>& pass, bool always = false);
  void RunPasses();
  void RunLinkCheck();
  // The checks beyond the described link check, each when its option is on.
  void RunAddedChecks();
  void RepairCleanedPages();
  void AllocateDatabase();
  void ReleaseDatabase();
  // Logs "!!!" + text, with ": " + path when the error names a file, and ends the run.
  void EndAfterError(const std::string& text, const std::string& path = {});

  RunContext context_;
  std::unique_ptr<SiteDatabase> database_;  // from step 6 until the passes are done
  std::jthread thread_;
  std::string error_text_;
  std::vector<PassTime> pass_times_;
  int broken_count_ = 0;
};

}  // namespace check_html
