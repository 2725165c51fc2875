#include "shell/start_run.h"

#include <future>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "recording_run.h"

namespace check_html {
namespace {

using Texts = std::vector<std::string>;

class StartRunTest : public ::testing::Test {
 protected:
  StartRunTest() {
    Settings settings;
    settings.ProgramDir = "/sites/prog";
    settings.SaveDir = "/sites/out";
    settings.SavePrefix = "Kz";
    settings.SaveProjectname = "Kesta";
    settings.BindNoBack = true;
    MakeHolderRun(program_, front_end_, files_, settings, Factory());
  }
  ~StartRunTest() override { ReleaseCurrentRun(program_); }

  // Makes recording runs; `blocker` (when given) holds each run inside its crawl.
  RunFactory Factory(std::shared_future<void> blocker = {}) {
    return [blocker](const RunEnvironment& environment) {
      auto run = std::make_unique<RecordingRun>(environment);
      if (blocker.valid()) run->actions["CrawlTree"] = [blocker](RecordingRun&) { blocker.wait(); };
      return run;
    };
  }

  MemoryFileSystem files_;
  RecordingFrontEnd front_end_;
  Program program_;
};

// A second start is refused while the run is active, and taken once it has ended.
TEST_F(StartRunTest, HandsTheSettingsAndReportNamesToANewRunAndStartsItOnlyWhenNoneIsActive) {
  THTML_Thread* holder = program_.CurrentRun.get();
  std::promise<void> release;
  const std::string start = "\\sites\\web\\kap1\\backbone\\p.HTML";
  ASSERT_TRUE(StartRun(program_, start, Factory(release.get_future().share())));
  THTML_Thread* running = program_.CurrentRun.get();
  ASSERT_NE(running, holder);
  EXPECT_FALSE(StartRun(program_, "/sites/web/p.html", Factory()));
  EXPECT_EQ(program_.CurrentRun.get(), running);
  release.set_value();
  program_.CurrentRun->Wait();
  const RunContext& run = program_.CurrentRun->Context();
  EXPECT_EQ((Texts{run.StartFile, run.SaveDir, run.SavePrefix, run.SaveProjectname,
                   run.ProgramDir, run.BindBack ? "back" : "", run.BindNoBack ? "no back" : ""}),
            (Texts{start, "/sites/out", "Kz", "Kesta", "/sites/prog", "", "no back"}));
  EXPECT_EQ((Texts{run.CheckFile, run.AbkFile, run.TranslFile, run.NameFile, run.IndexFile,
                   run.BadFile, run.DumFile, run.NewFile}),
            (Texts{"kz_check.html", "kz_abk.html", "kz_transl.html", "kz_name.html",
                   "kz_index.html", "kz_bad.html", "kz_dum.html", "kz_new.html"}));
  EXPECT_EQ(&run.Opts, &program_.options);
  EXPECT_EQ(&run.Lists, &program_.lists);
  EXPECT_EQ(front_end_.Events().back(), "caption &Start");
  EXPECT_TRUE(StartRun(program_, "/sites/web/p.html", Factory()));
}

TEST_F(StartRunTest, AFileWithoutPageExtensionStartsNothingButTheListFlagIsCleared) {
  program_.lists.ListFull = true;
  THTML_Thread* holder = program_.CurrentRun.get();
  EXPECT_FALSE(StartRun(program_, "/sites/web/readme.txt", Factory()));
  EXPECT_EQ(program_.CurrentRun.get(), holder);
  EXPECT_FALSE(program_.lists.ListFull);
  EXPECT_EQ(program_.options.HomeLink, "../../index.html\" TARGET=\"_top");
  EXPECT_TRUE(front_end_.Events().empty());
}

}  // namespace
}  // namespace check_html
