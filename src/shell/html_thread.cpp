#include "shell/html_thread.h"

#include <chrono>
#include <exception>
#include <utility>

#include "lists/chapter_contents.h"
#include "lists/index_list.h"
#include "lists/latex_index.h"
#include "lists/news_list.h"
#include "lists/term_lists.h"
#include "maint/gif_to_png.h"
#include "maint/page_list_update.h"
#include "maint/special_copy.h"
#include "maint/table_repair.h"
#include "platform/file_error.h"
#include "rewrite/rewrite_all_pages.h"
#include "shell/start_file.h"
#include "site/anchor_check.h"
#include "site/external_report.h"
#include "site/json_findings.h"
#include "site/link_findings.h"
#include "site/link_check_reports.h"
#include "site/page_lists.h"
#include "site/site_database.h"
#include "site/tree_crawl.h"

namespace check_html {

THTML_Thread::THTML_Thread(const RunEnvironment& environment) : context_(environment) {}

THTML_Thread::~THTML_Thread() {
  RequestStop();
  Wait();
}

void THTML_Thread::Start() {
  IsRunning = true;
  thread_ = std::jthread([this] { Execute(); });
}

void THTML_Thread::Wait() {
  if (thread_.joinable()) thread_.join();
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
  try {
    EndOfRun();
  } catch (const FileError& error) {
    EndAfterError(error.what(), error.Path());
  } catch (const std::exception& error) {
    EndAfterError(error.what());
  }
  IsRunning = false;
  context_.FrontEnd().SetButtonCaption(kStartCaption);
}

void THTML_Thread::RunSteps() {
  RunContext& run = context_;
  const Options& options = run.Opts;
  // Both ways: a run with PNG buttons after one with GIF buttons in the same session.
  run.PngButtons = options.UsePngButtons;
  run.RefList.assign(1, SiteFolderOf(run.StartFile));
  run.SectionNo = 0;
  run.SectionPage.clear();
  IsRunning = true;
  run.FrontEnd().SetButtonCaption(kStopCaption);

  pass_times_.clear();
  if (run.BindBack && !run.CheckOnly) {
    RunPass("BuildChapterContents", [this] { BuildChapterContents(context_.StartFile); });
  }
  AllocateDatabase();
  if (run.CheckOnly) {
    RunLinkCheck();
  } else {
    RunPasses();
    if (options.GiF2PNGItem) RunPass("ConvertGifs", [this] { ConvertGifs(); }, true);
    RunPass("UpdatePageLists", [this] { context_.Synchronize([this] { UpdatePageLists(); }); },
            true);
    if (options.DoSpecialItem) RunPass("CopySpecial", [this] { CopySpecial(); });
  }
  run.RefList = {};
  RunPass("ReleaseDatabase", [this] { ReleaseDatabase(); }, true);
  run.ShowStatus(run.Lists.ListFull ? kIdleListFullStatus : kIdleStatus);
  if (!run.CheckOnly && !options.tex_html && options.DoNice_Item) {
    RunPass("RepairTables", [this] { RepairCleanedPages(); }, true);
  }
  run.ShowStatus(kIdleStatus);
}

// The passes over the site database, each skipped once the stop request is set. Their order
// matters: the index list releases the anchor chain that the list passes before it read.
void THTML_Thread::RunPasses() {
  const RunContext& run = context_;
  RunPass("CrawlTree", [this] { CrawlTree(context_.StartFile); });
  RunPass("WriteCrossCheck", [this] { WriteCrossCheck(context_.ReportPath(context_.CheckFile)); });
  RunPass("RewriteAllPages", [this] { RewriteAllPages(); });
  RunPass("WriteAbbrevList", [this] { WriteAbbrevList(context_.ReportPath(context_.AbkFile)); });
  RunPass("WriteTranslList", [this] { WriteTranslList(context_.ReportPath(context_.TranslFile)); });
  RunPass("WriteNameList", [this] { WriteNameList(context_.ReportPath(context_.NameFile)); });
  RunPass("WriteNewsList",
          [this] { WriteNewsList(context_.ReportPath("overview_main.html"), true); });
  RunPass("WriteNewsList", [this] { WriteNewsList(context_.ReportPath(context_.NewFile), false); });
  if (!run.BindNoBack && !run.BindBack && !run.Opts.tex_html) {
    const std::string index = run.ReportPath(run.IndexFile);
    RunPass("WriteLanguageIndex", [this, &index] { WriteLanguageIndex(index, "_en", "_ge", false); });
    RunPass("WriteLanguageIndex", [this, &index] { WriteLanguageIndex(index, "_en", "_en", true); });
  }
  if (!run.Opts.tex_html) {
    RunPass("WriteIndexList", [this] { WriteIndexList(context_.ReportPath(context_.IndexFile)); });
  }
  RunPass("WriteFailures", [this] { WriteFailures(context_.ReportPath(context_.BadFile)); });
  RunPass("WriteUnreferenced", [this] { WriteUnreferenced(context_.ReportPath(context_.DumFile)); });
  RunAddedChecks();
  RunPass("WriteLatexIndex", [this] { WriteLatexIndex(); });
  RunPass("WriteRefList",
          [this] { WriteRefList(context_.SaveDir + "\\..\\..\\pdf_split\\RefList.txt"); });
}

// The passes of a link check that changes nothing.
void THTML_Thread::RunLinkCheck() {
  RunPass("CrawlTree", [this] { CrawlTree(context_.StartFile); });
  RunPass("WriteCrossCheck", [this] { WriteCrossCheck(context_.ReportPath(context_.CheckFile)); });
  RunPass("WriteFailures", [this] { WriteFailures(context_.ReportPath(context_.BadFile)); });
  RunPass("WriteUnreferenced", [this] { WriteUnreferenced(context_.ReportPath(context_.DumFile)); });
  RunAddedChecks();
}

void THTML_Thread::RunAddedChecks() {
  if (context_.Opts.CheckAnchors) {
    RunPass("WriteMissingAnchors",
            [this] { WriteMissingAnchors(context_.ReportPath(context_.AnchorFile)); });
  }
  if (context_.Opts.CheckExternal) {
    RunPass("CheckExternalLinks",
            [this] { CheckExternalLinks(context_.ReportPath(context_.ExtFile)); });
  }
  if (!context_.JsonFile.empty()) {
    RunPass("WriteJsonFindings", [this] { WriteJsonFindings(context_.JsonFile); });
  }
  broken_count_ = CountBroken(context_);
}

void THTML_Thread::RunPass(const char* name, const std::function<void()>& pass, bool always) {
  if (!always && Stopped()) return;
  const auto start = std::chrono::steady_clock::now();
  pass();
  context_.ShowProgress(0, 0);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  pass_times_.push_back(PassTime{name, took.count()});
}

// Table repair walks the pages that the rewrite cleaned, entries 1 to the count, in order.
void THTML_Thread::RepairCleanedPages() {
  std::vector<std::string> pages = context_.Lists.CleanedList.Snapshot();
  const int known = static_cast<int>(pages.size()) - 1;
  for (size_t i = 1; i < pages.size(); ++i) {
    context_.ShowProgress(static_cast<int>(i), known);
    RepairTables(pages[i]);
  }
}

void THTML_Thread::AllocateDatabase() {
  database_ = std::make_unique<SiteDatabase>();
  context_.Database = database_.get();
}

void THTML_Thread::ReleaseDatabase() {
  context_.Database = nullptr;
  database_.reset();
}

void THTML_Thread::EndAfterError(const std::string& text, const std::string& path) {
  error_text_ = text;
  context_.LogLine("!!!" + text + (path.empty() ? "" : ": " + path));
  context_.ShowStatus(text);
  context_.RefList = {};
  ReleaseDatabase();
}

void THTML_Thread::BuildChapterContents(const std::string& start_file) {
  check_html::BuildChapterContents(context_, start_file);
}
void THTML_Thread::CrawlTree(const std::string& start_file) {
  check_html::CrawlTree(context_, start_file);
}
void THTML_Thread::WriteCrossCheck(const std::string& path) {
  check_html::WriteCrossCheck(context_, path);
}
void THTML_Thread::RewriteAllPages() { check_html::RewriteAllPages(context_); }
void THTML_Thread::WriteAbbrevList(const std::string& path) {
  check_html::WriteAbbrevList(context_, path);
}
void THTML_Thread::WriteTranslList(const std::string& path) {
  check_html::WriteTranslList(context_, path);
}
void THTML_Thread::WriteNameList(const std::string& path) {
  check_html::WriteNameList(context_, path);
}
void THTML_Thread::WriteNewsList(const std::string& path, bool with_scripts) {
  check_html::WriteNewsList(context_, path, with_scripts);
}
void THTML_Thread::WriteLanguageIndex(const std::string& path, const std::string& marker,
                                      const std::string& suffix, bool wanted) {
  check_html::WriteLanguageIndex(context_, path, marker, suffix, wanted);
}
void THTML_Thread::WriteIndexList(const std::string& path) {
  check_html::WriteIndexList(context_, path);
}
void THTML_Thread::WriteFailures(const std::string& path) {
  check_html::WriteFailures(context_, path);
}
void THTML_Thread::WriteUnreferenced(const std::string& path) {
  check_html::WriteUnreferenced(context_, path);
}
void THTML_Thread::WriteMissingAnchors(const std::string& path) {
  check_html::WriteMissingAnchors(context_, path);
}
void THTML_Thread::CheckExternalLinks(const std::string& path) {
  check_html::CheckExternalLinks(context_, path);
}
void THTML_Thread::WriteJsonFindings(const std::string& path) {
  check_html::WriteJsonFindings(context_, path);
}
void THTML_Thread::WriteLatexIndex() { check_html::WriteLatexIndex(context_); }
void THTML_Thread::WriteRefList(const std::string& path) {
  check_html::WriteRefList(context_, path);
}
void THTML_Thread::ConvertGifs() { check_html::ConvertGifs(context_); }
void THTML_Thread::UpdatePageLists() { check_html::UpdatePageLists(context_); }
void THTML_Thread::CopySpecial() { check_html::CopySpecial(context_); }
void THTML_Thread::RepairTables(const std::string& page) {
  check_html::RepairTables(context_, page);
}

}  // namespace check_html
