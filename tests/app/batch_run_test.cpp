// The batch command line and the runs it starts over a site of one page. What the options
// change in a run's output is compared by the sample site runs.
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include "app/batch_options.h"
#include "app/batch_settings.h"
#include "platform/memory_file_system.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

TEST(BatchOptions, ReadsTheOptionsAndRejectsWhatTheCommandLineDoesNotOffer) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"--batch", "--start", "a/start.html", "--set", "tex_html=0", "--set", "Old_Days=30",
       "--timings", "--check-only"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.timings && parsed.options.check_only && !parsed.options.quiet);
  EXPECT_EQ(parsed.options.start, "a/start.html");
  EXPECT_EQ(parsed.options.sets, (std::vector<std::pair<std::string, std::string>>{
                                     {"tex_html", "0"}, {"Old_Days", "30"}}));
  const struct {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"--batch", "--frobnicate"}, "unknown option: --frobnicate"},
      {{"--batch", "--start"}, "missing value after --start"},
      {{"--batch", "--set", "tex_html"},
       "--set takes KEY=VALUE with one of the option flags, not: tex_html"},
      {{"--batch", "--set", "TEX_HTML=1"},
       "--set takes KEY=VALUE with one of the option flags, not: TEX_HTML=1"},
      {{"--start", "x.html"}, "options need --batch"},
      {{"--batch", "--diff", "-"}, "--diff needs --dry-run"},
      {{"--batch", "--dry-run", "--serve"},
       "--dry-run changes nothing: it does not go with --serve or --save-settings"},
      {{"--batch", "--dry-run", "--save-settings"},
       "--dry-run changes nothing: it does not go with --serve or --save-settings"},
      {{"--batch", "--dry-run", "--diff", "-"}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args.back();
  }
  // No arguments means the window; help needs no --batch.
  EXPECT_EQ(ParseCommandLine({}).error, "");
  EXPECT_FALSE(ParseCommandLine({}).options.batch);
  EXPECT_TRUE(ParseCommandLine({"--help"}).options.help);
}

class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override { PutTinySite(site_); }
  void TearDown() override {
    std::fclose(out_);
    std::fclose(err_);
  }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "--batch");
    const ParsedCommandLine parsed = ParseCommandLine(args);
    EXPECT_EQ(parsed.error, "");
    return RunBatch(parsed.options, out_, err_);
  }
  std::string Check() const { return site_.Path() + "/zq/html/check"; }
  std::string Start() const { return site_.Path() + "/zq/html/start.html"; }

  TempFolder site_;
  std::FILE* out_ = std::tmpfile();
  std::FILE* err_ = std::tmpfile();
};

// Only the first five characters of the start page's extension count.
TEST_F(BatchRun, AStartPageWithoutAPageExtensionOrASetValueThatIsNoNumberIsABadCommandLine) {
  site_.Put("zq/html/notes.txt", "x");
  site_.Put("zq/html/page.htmlx", "<HTML></HTML>");
  const struct {
    std::string start, set, error;
  } cases[] = {
      {site_.Path() + "/zq/html/notes.txt", "tex_html=1", "must end in .htm or .html"},
      {Start(), "tex_html=yes", "check_html: --set tex_html takes a whole number, not: yes\n"},
      {Start(), "Connections=0", "--set Connections takes a number of at least 1"},
      {Start(), "PerHost=0", "--set PerHost takes a number of at least 1"},
      {Start(), "Timeout=0", "--set Timeout takes a number of at least 1"},
      {Start(), "CacheDays=-1", "--set CacheDays takes a number of at least 0"},
  };
  for (const auto& c : cases) {
    std::rewind(err_);
    EXPECT_EQ(Run({"--start", c.start, "--settings-dir", Check(), "--set", c.set}),
              kExitBadCommandLine);
    EXPECT_NE(Drain(err_).find(c.error), std::string::npos) << c.error;
  }
  EXPECT_EQ(Run({"--start", site_.Path() + "/zq/html/page.htmlx", "--settings-dir", Check()}),
            kExitRunEnded);
}

TEST_F(BatchRun, OverridesActAsIfTheSettingsFileSaidSoAndAreSavedOnRequest) {
  EXPECT_EQ(Run({"--start", Start(), "--out", Check(), "--settings-dir", Check(), "--prefix",
                 "ab", "--project", "Kurs", "--set", "tex_html=0", "--set", "BindBack=1",
                 "--set", "Old_Days=30", "--set", "Connections=1", "--set", "PerHost=1",
                 "--set", "Timeout=1", "--set", "CacheDays=0", "--set", "UserAgent=a b",
                 "--save-settings", "--log", site_.Path() + "/run.log"}),
            kExitRunEnded);
  const std::string ini = ReadWhole(Check() + "/check_html_new.ini");
  for (const char* line : {"SavePrefix=ab\r\n", "SaveProjectname=Kurs\r\n", "tex_html=0\r\n",
                           "Bind_Back=1\r\n", "Old_Days=30\r\n", "StartFile=",
                           "[External]\r\nConnections=1\r\nPerHost=1\r\nTimeout=1\r\n"
                           "UserAgent=a b\r\nCacheDays=0\r\n"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
  }
  EXPECT_NE(ini.find("start.html"), std::string::npos);
}

// A run that reaches its end exits zero and leaves its last status.
TEST_F(BatchRun, TexModeClearsTheBindFlagsEvenWhenTheyAreSet) {
  EXPECT_EQ(Run({"--start", Start(), "--out", Check(), "--settings-dir", Check(), "--set",
                 "BindBack=1", "--save-settings", "--quiet"}),
            kExitRunEnded);
  EXPECT_EQ(Drain(err_), "Status: Idle\n");
  EXPECT_NE(ReadWhole(Check() + "/check_html_new.ini").find("Bind_Back=0"), std::string::npos);
}

// The result is that of a settings file holding the given values: leaving TeX mode brings back
// the Bind flags that the file holds, the Bind boxes and the PNG buttons.
TEST(BatchSettings, OverridesGoBetweenTheStoredValuesAndWhatTexModeDerives) {
  MemoryFileSystem files;
  files.AddFile("/p/check_html_new.ini", "[Options]\r\ntex_html=1\r\nBind_NoBack=1\r\n");
  for (const bool tex : {true, false}) {
    Options options;
    Settings settings = ReadStoredSettings(files, "/p", options);
    BatchOptions batch;
    batch.sets = {{"tex_html", tex ? "1" : "0"}};
    EXPECT_EQ(ApplyBatchSettings(batch, settings, options), "");
    EXPECT_EQ(settings.BindNoBack, !tex);
    EXPECT_EQ(settings.BindBoxesVisible, !tex);
    EXPECT_EQ(options.UsePngButtons, !tex);
  }
}

}  // namespace
}  // namespace check_html
