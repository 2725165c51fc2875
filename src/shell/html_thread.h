// THTML_Thread: one check run. The object owns everything of the run (its settings copy, the
// reference list, the page reader and writer state and the site database); Execute is the run
// itself and calls the passes strictly one after another on a worker thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "html/page_reader.h"
#include "html/page_writer.h"
#include "shell/front_end.h"

namespace check_html {

class FileSystem;
class SiteDatabase;

// Texts of the start button and the status line that the run shows.
inline constexpr const char* kStopCaption = "&Stop";
inline constexpr const char* kStartCaption = "&Start";
inline constexpr const char* kIdleStatus = "Idle";
inline constexpr const char* kIdleListFullStatus = "Idle (f_No too small!)";

class THTML_Thread {
 public:
  THTML_Thread(RunFrontEnd& front_end, FileSystem& files);
  // Asks a run in progress to stop and waits for it. A subclass that overrides passes must call
  // Wait() in its own destructor, so no override runs while its object is destroyed.
  virtual ~THTML_Thread();

  THTML_Thread(const THTML_Thread&) = delete;
  THTML_Thread& operator=(const THTML_Thread&) = delete;

  // Starts Execute on the worker thread. IsRunning is set before the thread starts, so a second
  // Start cannot slip in before the run has begun.
  void Start();
  // The stop request: passes still to come are skipped, the long passes look at it between files.
  void RequestStop();
  // True once the stop request was made.
  bool Stopped() const { return stop_source_.stop_requested(); }
  std::stop_token StopToken() const { return stop_source_.get_token(); }
  // Waits until the worker thread has ended; returns at once when it never started.
  void Wait();

  // The run; called on the worker thread by Start.
  void Execute();

  // Log and status line of the run's front end. A status text is cut to 255 characters.
  void LogLine(const std::string& text);
  void ShowStatus(const std::string& text);
  RunFrontEnd& FrontEnd() { return front_end_; }
  FileSystem& Files() { return files_; }

  // The text of the error that ended the run, empty when it reached its end normally. Read it
  // after Wait().
  const std::string& ErrorText() const { return error_text_; }

  // Settings, handed over before Start and not changed while the run is active.
  std::string SaveDir;          // output folder of reports and lists
  std::string SavePrefix;       // file-name prefix of the reports
  std::string SaveProjectname;  // project name in the titles of generated pages
  std::string ProgramDir;       // folder of the settings file, lower case
  std::string StartFile;        // full path of the start page, backslash form
  std::string CheckFile, AbkFile, TranslFile, NameFile, IndexFile, BadFile, DumFile, NewFile;
  bool BindBack = false;    // build the chapter contents pages first
  bool BindNoBack = false;  // bind the section pages by "go to" lines
  // A link check that changes nothing: only the crawl and the cross-check, failure and
  // unreferenced-file reports run, and those passes switch no reference and delete no file.
  bool CheckOnly = false;

  // True from Start until the last step of Execute.
  std::atomic<bool> IsRunning{false};

  // How long each pass of the last run took, in the order they ran. Read it after Wait().
  struct PassTime {
    std::string pass;
    double seconds = 0;
  };
  const std::vector<PassTime>& PassTimes() const { return pass_times_; }

  // Working state of one run.
  std::vector<std::string> RefList;  // reference list; its first line is the site folder name
  int32_t SectionNo = 0;             // kept by the page rewrite across pages
  std::string SectionPage;
  std::string NextSectionPage;
  std::string PrevSectionPage;
  // Counters of the anchor handler: the equation section and number are reset for each page,
  // the generated anchor names before each page's main pass.
  int32_t EqSection = 0;
  int32_t EqNumber = 0;
  int32_t AnchorCounter = 0;
  std::unique_ptr<SiteDatabase> Database;  // exists from the crawl until the passes are done
  PageReader Reader;
  PageWriter Writer;

 protected:
  // The passes, in the order Execute calls them.
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
  virtual void WriteLatexIndex();
  virtual void WriteRefList(const std::string& path);
  virtual void ConvertGifs();
  virtual void UpdatePageLists();
  virtual void CopySpecial();
  virtual void RepairTables(const std::string& page);

 private:
  void RunSteps();
  // Runs `pass` unless the stop request is set (or `always`), noting its time under `name`.
  void RunPass(const char* name, const std::function<void()>& pass, bool always = false);
  void RunPasses();
  void RunLinkCheck();
  void RepairCleanedPages();
  // Runs `call` through the front end's synchronised call; an error it raises comes back here.
  void SynchronizeCall(const std::function<void()>& call);
  // Logs "!!!" + text, with ": " + path when the error names a file, and ends the run.
  void EndAfterError(const std::string& text, const std::string& path = {});
  std::string ReportPath(const std::string& file_name) const;

  RunFrontEnd& front_end_;
  FileSystem& files_;
  std::stop_source stop_source_;  // the stop request of this run
  std::jthread thread_;
  std::string error_text_;
  std::vector<PassTime> pass_times_;
};

}  // namespace check_html
