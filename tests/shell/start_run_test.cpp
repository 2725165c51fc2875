#include "shell/start_run.h"

#include <future>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "shell/options.h"
#include "site/page_lists.h"
#include "recording_run.h"

namespace check_html {
namespace {

using Texts = std::vector<std::string>;

class StartRunTest : public ::testing::Test {
 protected:
  StartRunTest() {
    ResetOptions();
    Settings settings;
    settings.ProgramDir = "/sites/prog";
    settings.SaveDir = "/sites/out";
    settings.SavePrefix = "Kz";
    settings.SaveProjectname = "Kesta";
    settings.BindNoBack = true;
    MakeHolderRun(front_end_, files_, settings, Factory());
  }
  ~StartRunTest() override {
    ReleaseCurrentRun();
    ResetOptions();
  }

  // Makes recording runs; `blocker` (when given) holds each run inside its crawl.
  RunFactory Factory(std::shared_future<void> blocker = {}) {
    return [blocker](RunFrontEnd& front_end, FileSystem& files) {
      auto run = std::make_unique<RecordingRun>(front_end, files);
      if (blocker.valid()) run->actions["CrawlTree"] = [blocker](RecordingRun&) { blocker.wait(); };
      return run;
    };
  }

  MemoryFileSystem files_;
  RecordingFrontEnd front_end_;
};

// A second start is refused while the run is active, and taken once it has ended.
TEST_F(StartRunTest, HandsTheSettingsAndReportNamesToANewRunAndStartsItOnlyWhenNoneIsActive) {
  THTML_Thread* holder = CurrentRun.get();
  std::promise<void> release;
  const std::string start = "\\sites\\web\\kap1\\backbone\\p.HTML";
  ASSERT_TRUE(StartRun(start, Factory(release.get_future().share())));
  THTML_Thread* running = CurrentRun.get();
  ASSERT_NE(running, holder);
  EXPECT_FALSE(StartRun("/sites/web/p.html", Factory()));
  EXPECT_EQ(CurrentRun.get(), running);
  release.set_value();
  CurrentRun->Wait();
  const THTML_Thread& run = *CurrentRun;
  EXPECT_EQ((Texts{run.StartFile, run.SaveDir, run.SavePrefix, run.SaveProjectname,
                   run.ProgramDir, run.BindBack ? "back" : "", run.BindNoBack ? "no back" : ""}),
            (Texts{start, "/sites/out", "Kz", "Kesta", "/sites/prog", "", "no back"}));
  EXPECT_EQ((Texts{run.CheckFile, run.AbkFile, run.TranslFile, run.NameFile, run.IndexFile,
                   run.BadFile, run.DumFile, run.NewFile}),
            (Texts{"kz_check.html", "kz_abk.html", "kz_transl.html", "kz_name.html",
                   "kz_index.html", "kz_bad.html", "kz_dum.html", "kz_new.html"}));
  EXPECT_EQ(front_end_.Events().back(), "caption &Start");
  EXPECT_TRUE(StartRun("/sites/web/p.html", Factory()));
}

TEST_F(StartRunTest, AFileWithoutPageExtensionStartsNothingButTheListFlagIsCleared) {
  ListFull = true;
  THTML_Thread* holder = CurrentRun.get();
  EXPECT_FALSE(StartRun("/sites/web/readme.txt", Factory()));
  EXPECT_EQ(CurrentRun.get(), holder);
  EXPECT_FALSE(ListFull);
  EXPECT_EQ(HomeLink, "../../index.html\" TARGET=\"_top");
  EXPECT_TRUE(front_end_.Events().empty());
}

}  // namespace
}  // namespace check_html
