// The context of one check run: what every pass works with, handed to it explicitly. It holds
// the run's settings copy, its working state (reference list, section fields, anchor counters),
// the page reader and writer, and refers to what the program keeps beside the run: the options,
// the page lists, the file system, the front end, and (while the run has one) the site database.
// THTML_Thread owns one context and runs the passes on it; a test makes its own, without a thread.
#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "html/page_reader.h"
#include "html/page_writer.h"
#include "run/front_end.h"
#include "run/options.h"

namespace check_html {

class FileSystem;
class SiteDatabase;
struct PageLists;

// What the program hands every run it makes.
struct RunEnvironment {
  RunFrontEnd& front_end;
  FileSystem& files;
  const Options& options;
  PageLists& lists;  // BackboneList and CleanedList, which outlive the runs
};

class RunContext {
 public:
  explicit RunContext(const RunEnvironment& environment);

  RunContext(const RunContext&) = delete;
  RunContext& operator=(const RunContext&) = delete;

  const RunEnvironment& Environment() const { return environment_; }
  RunFrontEnd& FrontEnd() { return environment_.front_end; }
  FileSystem& Files() { return environment_.files; }
  const FileSystem& Files() const { return environment_.files; }

  // Log and status line of the front end. A status text is cut to 255 characters.
  void LogLine(const std::string& text);
  void ShowStatus(const std::string& text);
  void ShowProgress(int done, int known) { FrontEnd().ShowProgress(done, known); }
  // Runs `call` on the front end's thread and waits for it; an error it raises comes back here.
  void Synchronize(const std::function<void()>& call);

  // The stop request: passes still to come are skipped, the long passes look at it between files.
  void RequestStop() { stop_.request_stop(); }
  bool Stopped() const { return stop_.stop_requested(); }
  std::stop_token StopToken() const { return stop_.get_token(); }

  // SaveDir + "\" + `file_name`: where a report or list file goes.
  std::string ReportPath(const std::string& file_name) const;

  // Settings, handed over before the run starts and not changed while it is active.
  std::string SaveDir;          // output folder of reports and lists
  std::string SavePrefix;       // file-name prefix of the reports
  std::string SaveProjectname;  // project name in the titles of generated pages
  std::string ProgramDir;       // folder of the settings file, lower case
  std::string StartFile;        // full path of the start page, backslash form
  std::string CheckFile, AbkFile, TranslFile, NameFile, IndexFile, BadFile, DumFile, NewFile;
  std::string AnchorFile, ExtFile;
  bool BindBack = false;    // build the chapter contents pages first
  bool BindNoBack = false;  // bind the section pages by "go to" lines
  // A link check that changes nothing: only the crawl and the cross-check, failure and
  // unreferenced-file reports run, and those passes switch no reference and delete no file.
  bool CheckOnly = false;
  // Where the link check's findings go as JSON; empty: nowhere.
  std::string JsonFile;

  const Options& Opts;  // read live: a flag changed during the run counts from the next pass on
  PageLists& Lists;

  // Working state of the run.
  std::vector<std::string> RefList;  // reference list; its first line is the site folder name
  bool PngButtons = true;            // the button pictures of this run's bars: PNG, else GIF
  int32_t SectionNo = 0;             // kept by the page rewrite across pages
  std::string SectionPage;
  std::string NextSectionPage;
  std::string PrevSectionPage;
  // Counters of the anchor handler: the equation section and number are reset for each page,
  // the generated anchor names before each page's main pass.
  int32_t EqSection = 0;
  int32_t EqNumber = 0;
  int32_t AnchorCounter = 0;
  // The site database, from the crawl until the passes that read it are done; its owner is
  // the run (THTML_Thread), or the test that made the context.
  SiteDatabase* Database = nullptr;
  PageReader Reader;
  PageWriter Writer;

 private:
  RunEnvironment environment_;
  std::stop_source stop_;
};

}  // namespace check_html
