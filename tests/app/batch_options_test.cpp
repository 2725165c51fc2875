#include "app/batch_options.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

TEST(BatchOptions, ReadsEveryOptionOfABatchRun) {
  const ParsedCommandLine parsed = ParseCommandLine(
      {"--batch", "--start", "a/start.html", "--out", "out", "--prefix", "zq", "--project", "Kesta",
       "--set", "tex_html=0", "--set", "Old_Days=30", "--today", "15.02.24", "--settings-dir", "s",
       "--save-settings", "--log", "run.log", "--quiet", "--check-only", "--timings"});
  ASSERT_EQ(parsed.error, "");
  const BatchOptions& o = parsed.options;
  EXPECT_TRUE(o.batch && o.save_settings && o.quiet && o.check_only && o.timings);
  EXPECT_EQ(o.start, "a/start.html");
  EXPECT_EQ(o.out, "out");
  EXPECT_EQ(o.prefix, "zq");
  EXPECT_EQ(o.project, "Kesta");
  EXPECT_EQ(o.today, "15.02.24");
  EXPECT_EQ(o.settings_dir, "s");
  EXPECT_EQ(o.log_file, "run.log");
  const std::vector<std::pair<std::string, std::string>> sets = {{"tex_html", "0"},
                                                                 {"Old_Days", "30"}};
  EXPECT_EQ(o.sets, sets);
}

TEST(BatchOptions, RejectsWhatTheCommandLineDoesNotOffer) {
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
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.args).error, c.error) << c.args.back();
  }
}

TEST(BatchOptions, NoArgumentsMeansTheWindowAndHelpNeedsNoBatch) {
  EXPECT_EQ(ParseCommandLine({}).error, "");
  EXPECT_FALSE(ParseCommandLine({}).options.batch);
  EXPECT_TRUE(ParseCommandLine({"--help"}).options.help);
}

}  // namespace
}  // namespace check_html
