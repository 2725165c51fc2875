#include "shell/html_thread.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../run/run_fixture.h"
#include "platform/file_error.h"
#include "shell/report_names.h"
#include "recording_run.h"

namespace check_html {
namespace {

using Events = std::vector<std::string>;

const char* const kStart = "d:\\web\\zq\\html\\kap1\\backbone\\p.html";
const Events kListPasses = {
    "CrawlTree d:\\web\\zq\\html\\kap1\\backbone\\p.html",
    "WriteCrossCheck d:\\out\\zq_check.html", "RewriteAllPages",
    "WriteAbbrevList d:\\out\\zq_abk.html", "WriteTranslList d:\\out\\zq_transl.html",
    "WriteNameList d:\\out\\zq_name.html",
    "WriteNewsList d:\\out\\overview_main.html with scripts",
    "WriteNewsList d:\\out\\zq_new.html without scripts"};
const Events kReportPasses = {
    "WriteFailures d:\\out\\zq_bad.html", "WriteUnreferenced d:\\out\\zq_dum.html",
    "WriteLatexIndex", "WriteRefList d:\\out\\..\\..\\pdf_split\\RefList.txt"};
const Events kEnd = {"UpdatePageLists synchronized", "status Idle", "status Idle",
                     "caption &Start"};

Events Join(std::initializer_list<Events> parts) {
  Events all;
  for (const Events& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class HtmlThreadTest : public ::testing::Test {
 protected:
  HtmlThreadTest() { parts_.lists.CleanedList.Reset("zq"); }

  // Runs a recording run for kStart with output folder d:\out and prefix zq to its end.
  Events RunToEnd(const std::function<void(RecordingRun&)>& set_up = {}) {
    RecordingFrontEnd front_end;
    RecordingRun thread({front_end, parts_.files, parts_.options, parts_.lists});
    RunContext& run = thread.Context();
    run.SaveDir = "d:\\out";
    run.StartFile = kStart;
    ReportNames names = MakeReportNames("zq");
    run.CheckFile = names.CheckFile, run.AbkFile = names.AbkFile;
    run.TranslFile = names.TranslFile, run.NameFile = names.NameFile;
    run.IndexFile = names.IndexFile, run.BadFile = names.BadFile;
    run.DumFile = names.DumFile, run.NewFile = names.NewFile;
    if (set_up) set_up(thread);
    thread.Start();
    thread.Wait();
    error_text_ = thread.ErrorText();
    pass_names_.clear();
    for (const THTML_Thread::PassTime& time : thread.PassTimes()) pass_names_.push_back(time.pass);
    EXPECT_FALSE(thread.IsRunning);
    EXPECT_TRUE(run.RefList.empty() && !run.Database);
    return front_end.Events();
  }

  RunParts<> parts_;
  Options& options_ = parts_.options;
  PageLists& lists_ = parts_.lists;
  std::vector<std::string> pass_names_;  // the passes of the last run that were timed
  std::string error_text_;
};

// The optional jobs (GIF conversion, special copy; no table repair in TeX mode) in their places.
TEST_F(HtmlThreadTest, CallsThePassesInTheirOrderUnderTheirConditions) {
  const Events kLanguageLists = {"WriteLanguageIndex d:\\out\\zq_index.html _en _ge 0",
                                 "WriteLanguageIndex d:\\out\\zq_index.html _en _en 1"};
  const Events kIndexList = {"WriteIndexList d:\\out\\zq_index.html"};
  const Events kContents = {"BuildChapterContents " + std::string(kStart) + " (no database)"};
  const Events kJobsEnd = {"ConvertGifs", "UpdatePageLists synchronized", "CopySpecial",
                           "status Idle", "status Idle", "caption &Start"};
  struct Case {
    bool tex, back, no_back, jobs;
    Events expected;
  };
  const Case cases[] = {
      {true, false, false, false, Join({{"caption &Stop"}, kListPasses, kReportPasses, kEnd})},
      {false, false, false, false,
       Join({{"caption &Stop"}, kListPasses, kLanguageLists, kIndexList, kReportPasses, kEnd})},
      {false, true, false, false,
       Join({{"caption &Stop"}, kContents, kListPasses, kIndexList, kReportPasses, kEnd})},
      {false, false, true, false,
       Join({{"caption &Stop"}, kListPasses, kIndexList, kReportPasses, kEnd})},
      {true, false, false, true, Join({{"caption &Stop"}, kListPasses, kReportPasses, kJobsEnd})},
  };
  lists_.CleanedList.Add("p.html");
  for (const Case& c : cases) {
    options_.tex_html = c.tex;
    options_.GiF2PNGItem = options_.DoSpecialItem = options_.DoNice_Item = c.jobs;
    EXPECT_EQ(RunToEnd([&c](RecordingRun& thread) {
                thread.Context().BindBack = c.back, thread.Context().BindNoBack = c.no_back;
              }),
              c.expected)
        << c.tex << c.back << c.no_back << c.jobs;
  }
  EXPECT_EQ(error_text_, "");
}

// A full page list shows until table repair has finished.
TEST_F(HtmlThreadTest, StopDuringTheCrawlStillRunsConversionListUpdateAndTableRepair) {
  options_.tex_html = false;
  options_.GiF2PNGItem = options_.DoNice_Item = options_.DoSpecialItem = true;
  lists_.CleanedList.Add("p.html");
  lists_.CleanedList.Add("q.html");
  EXPECT_EQ(RunToEnd([this](RecordingRun& run) {
              run.actions["CrawlTree"] = [this](RecordingRun& r) {
                r.RequestStop(), lists_.ListFull = true;
              };
            }),
            (Events{"caption &Stop", kListPasses[0], "ConvertGifs", "UpdatePageLists synchronized",
                    "status Idle (f_No too small!)", "RepairTables p.html (no database)",
                    "RepairTables q.html (no database)", "status Idle", "caption &Start"}));
  EXPECT_EQ(pass_names_, (std::vector<std::string>{"CrawlTree", "ConvertGifs", "UpdatePageLists",
                                                   "ReleaseDatabase", "RepairTables"}));
}

TEST_F(HtmlThreadTest, AFileErrorEndsTheRunCleanlyAlsoFromTheSynchronizedCall) {
  const std::pair<const char*, const char*> cases[] = {
      {"WriteNameList", "WriteNameList d:\\out\\zq_name.html"},
      {"UpdatePageLists", "UpdatePageLists synchronized"}};
  for (const auto& [pass, event] : cases) {
    Events events = RunToEnd([pass](RecordingRun& run) {
      run.actions[pass] = [](RecordingRun&) { throw FileError(kCannotOpenText); };
    });
    EXPECT_EQ(Events(events.end() - 4, events.end()),
              (Events{event, "log !!!File can not be opend", "status File can not be opend",
                      "caption &Start"}));
    EXPECT_EQ(error_text_, kCannotOpenText);
  }
}

// The buttons follow the setting of each run, also back to PNG after a GIF run.
TEST_F(HtmlThreadTest, PreparesTheRunAndItsButtonsBeforeItsFirstPass) {
  std::string seen;
  for (const bool png : {false, true}) {
    options_.UsePngButtons = png;
    RunToEnd([&seen](RecordingRun& thread) {
      thread.Context().SectionNo = 7;
      thread.Context().SectionPage = "old.html";
      thread.actions["CrawlTree"] = [&seen](RecordingRun& t) {
        const RunContext& r = t.Context();
        seen = r.RefList.at(0) + " " + std::to_string(r.SectionNo) + " [" + r.SectionPage +
               "] " + (t.IsRunning ? "running " : "idle ") + (r.PngButtons ? "png" : "gif");
      };
    });
    EXPECT_EQ(seen, std::string("zq 0 [] running ") + (png ? "png" : "gif"));
  }
}

}  // namespace
}  // namespace check_html
