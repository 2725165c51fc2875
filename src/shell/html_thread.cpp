#include "shell/html_thread.h"

#include <chrono>
#include <exception>
#include <utility>

#include "platform/file_error.h"
#include "rewrite/button_templates.h"
#include "shell/options.h"
#include "shell/start_file.h"
#include "site/page_lists.h"
#include "site/site_database.h"

namespace check_html {
namespace {

constexpr size_t kStatusWidth = 255;

}  // namespace

THTML_Thread::THTML_Thread(RunFrontEnd& front_end, FileSystem& files)
    : Reader(files), Writer(files), front_end_(front_end), files_(files) {}

THTML_Thread::~THTML_Thread() {
  RequestStop();
  Wait();
}

void THTML_Thread::Start() {
  IsRunning = true;
  thread_ = std::jthread([this] { Execute(); });
}

void THTML_Thread::RequestStop() { stop_source_.request_stop(); }

void THTML_Thread::Wait() {
  if (thread_.joinable()) thread_.join();
}

void THTML_Thread::LogLine(const std::string& text) { front_end_.LogLine(text); }

void THTML_Thread::ShowStatus(const std::string& text) {
  front_end_.ShowStatus(text.substr(0, kStatusWidth));
}

// An error raised by a pass ends the run here instead of ending the program: the steps after
// it are skipped, but the run is released and the window can start the next one.
void THTML_Thread::Execute() {
  try {
    RunSteps();
  } catch (const FileError& error) {
    EndAfterError(error.what(), error.Path());
  } catch (const std::exception& error) {
    EndAfterError(error.what());
  } catch (...) {
    EndAfterError("Unknown error");
  }
}

void THTML_Thread::RunSteps() {
  // Both ways: a run with PNG buttons after one with GIF buttons in the same session.
  if (UsePngButtons) {
    UsePngButtonForms();
  } else {
    UseGifButtons();
  }
  RefList.assign(1, SiteFolderOf(StartFile));
  SectionNo = 0;
  SectionPage.clear();
  IsRunning = true;
  front_end_.SetButtonCaption(kStopCaption);

  pass_times_.clear();
  if (BindBack && !CheckOnly) RunPass("BuildChapterContents", [this] { BuildChapterContents(StartFile); });
  Database = std::make_unique<SiteDatabase>();
  if (CheckOnly) {
    RunLinkCheck();
  } else {
    RunPasses();
    if (GiF2PNGItem) RunPass("ConvertGifs", [this] { ConvertGifs(); }, true);
    RunPass("UpdatePageLists", [this] { SynchronizeCall([this] { UpdatePageLists(); }); }, true);
    if (DoSpecialItem) RunPass("CopySpecial", [this] { CopySpecial(); });
  }
  RefList = {};
  RunPass("ReleaseDatabase", [this] { Database.reset(); }, true);
  ShowStatus(ListFull ? kIdleListFullStatus : kIdleStatus);
  if (!CheckOnly && !tex_html && DoNice_Item) {
    RunPass("RepairTables", [this] { RepairCleanedPages(); }, true);
  }
  ShowStatus(kIdleStatus);
  IsRunning = false;
  front_end_.SetButtonCaption(kStartCaption);
}

// The passes over the site database, each skipped once the stop request is set. Their order
// matters: the index list releases the anchor chain that the list passes before it read.
void THTML_Thread::RunPasses() {
  RunPass("CrawlTree", [this] { CrawlTree(StartFile); });
  RunPass("WriteCrossCheck", [this] { WriteCrossCheck(ReportPath(CheckFile)); });
  RunPass("RewriteAllPages", [this] { RewriteAllPages(); });
  RunPass("WriteAbbrevList", [this] { WriteAbbrevList(ReportPath(AbkFile)); });
  RunPass("WriteTranslList", [this] { WriteTranslList(ReportPath(TranslFile)); });
  RunPass("WriteNameList", [this] { WriteNameList(ReportPath(NameFile)); });
  RunPass("WriteNewsList", [this] { WriteNewsList(ReportPath("overview_main.html"), true); });
  RunPass("WriteNewsList", [this] { WriteNewsList(ReportPath(NewFile), false); });
  if (!BindNoBack && !BindBack && !tex_html) {
    RunPass("WriteLanguageIndex",
            [this] { WriteLanguageIndex(ReportPath(IndexFile), "_en", "_ge", false); });
    RunPass("WriteLanguageIndex",
            [this] { WriteLanguageIndex(ReportPath(IndexFile), "_en", "_en", true); });
  }
  if (!tex_html) RunPass("WriteIndexList", [this] { WriteIndexList(ReportPath(IndexFile)); });
  RunPass("WriteFailures", [this] { WriteFailures(ReportPath(BadFile)); });
  RunPass("WriteUnreferenced", [this] { WriteUnreferenced(ReportPath(DumFile)); });
  RunPass("WriteLatexIndex", [this] { WriteLatexIndex(); });
  RunPass("WriteRefList",
          [this] { WriteRefList(SaveDir + "\\..\\..\\pdf_split\\RefList.txt"); });
}

// The passes of a link check that changes nothing.
void THTML_Thread::RunLinkCheck() {
  RunPass("CrawlTree", [this] { CrawlTree(StartFile); });
  RunPass("WriteCrossCheck", [this] { WriteCrossCheck(ReportPath(CheckFile)); });
  RunPass("WriteFailures", [this] { WriteFailures(ReportPath(BadFile)); });
  RunPass("WriteUnreferenced", [this] { WriteUnreferenced(ReportPath(DumFile)); });
}

void THTML_Thread::RunPass(const char* name, const std::function<void()>& pass, bool always) {
  if (!always && Stopped()) return;
  const auto start = std::chrono::steady_clock::now();
  pass();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  pass_times_.push_back(PassTime{name, took.count()});
}

// Table repair walks the pages that the rewrite cleaned, entries 1 to the count, in order.
void THTML_Thread::RepairCleanedPages() {
  std::vector<std::string> pages = CleanedList.Snapshot();
  for (size_t i = 1; i < pages.size(); ++i) RepairTables(pages[i]);
}

void THTML_Thread::SynchronizeCall(const std::function<void()>& call) {
  std::exception_ptr error;
  front_end_.Synchronize([&call, &error] {
    try {
      call();
    } catch (...) {
      error = std::current_exception();
    }
  });
  if (error) std::rethrow_exception(error);
}

void THTML_Thread::EndAfterError(const std::string& text, const std::string& path) {
  error_text_ = text;
  LogLine("!!!" + text + (path.empty() ? "" : ": " + path));
  ShowStatus(text);
  RefList = {};
  Database.reset();
  IsRunning = false;
  front_end_.SetButtonCaption(kStartCaption);
}

std::string THTML_Thread::ReportPath(const std::string& file_name) const {
  return SaveDir + "\\" + file_name;
}

}  // namespace check_html
