#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "../platform/temp_folder.h"
#include "shell/options.h"

namespace check_html {
namespace {

std::string Drain(std::FILE* f) {
  std::string text;
  std::rewind(f);
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  return text;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptions();
    site_.Put("zq/html/start.html", "<HTML><TITLE>Start</TITLE></HTML>\n");
    site_.Put("zq/html/check/readme.txt", "");
    site_.Put("zq/pdf_split/readme.txt", "");  // the reference list goes there in TeX mode
  }
  void TearDown() override {
    std::fclose(out_);
    std::fclose(err_);
    ResetOptions();
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

TEST_F(BatchRun, ARunThatReachesItsEndExitsZeroWithItsLastStatus) {
  EXPECT_EQ(Run({"--start", Start(), "--out", Check(), "--settings-dir", Check(), "--quiet"}),
            kExitRunEnded);
  EXPECT_EQ(Drain(err_), "Status: Idle\n");
}

TEST_F(BatchRun, AStartPageWithoutAPageExtensionIsABadCommandLine) {
  site_.Put("zq/html/notes.txt", "x");
  EXPECT_EQ(Run({"--start", site_.Path() + "/zq/html/notes.txt", "--settings-dir", Check()}),
            kExitBadCommandLine);
  EXPECT_NE(Drain(err_).find("must end in .htm or .html"), std::string::npos);
  // Only the first five characters of the extension count.
  site_.Put("zq/html/page.htmlx", "<HTML></HTML>");
  EXPECT_EQ(Run({"--start", site_.Path() + "/zq/html/page.htmlx", "--settings-dir", Check()}),
            kExitRunEnded);
}

TEST_F(BatchRun, SetValuesMustBeWholeNumbersForFlags) {
  EXPECT_EQ(Run({"--start", Start(), "--settings-dir", Check(), "--set", "tex_html=yes"}),
            kExitBadCommandLine);
  EXPECT_EQ(Drain(err_), "check_html: --set tex_html takes a whole number, not: yes\n");
}

TEST_F(BatchRun, OverridesActAsIfTheSettingsFileSaidSoAndAreSavedOnRequest) {
  EXPECT_EQ(Run({"--start", Start(), "--out", Check(), "--settings-dir", Check(), "--prefix",
                 "ab", "--project", "Kurs", "--set", "tex_html=0", "--set", "BindBack=1",
                 "--set", "Old_Days=30", "--save-settings", "--log", site_.Path() + "/run.log"}),
            kExitRunEnded);
  EXPECT_TRUE(UsePngButtons);  // derived from tex_html as reading the settings derives it
  const std::string ini = ReadWhole(Check() + "/check_html_new.ini");
  for (const char* line : {"SavePrefix=ab\r\n", "SaveProjectname=Kurs\r\n", "tex_html=0\r\n",
                           "Bind_Back=1\r\n", "Old_Days=30\r\n", "StartFile=" }) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
  }
  EXPECT_NE(ini.find("start.html"), std::string::npos);
}

TEST_F(BatchRun, TexModeClearsTheBindFlagsEvenWhenTheyAreSet) {
  EXPECT_EQ(Run({"--start", Start(), "--out", Check(), "--settings-dir", Check(), "--set",
                 "BindBack=1", "--save-settings"}),
            kExitRunEnded);
  EXPECT_FALSE(UsePngButtons);
  EXPECT_NE(ReadWhole(Check() + "/check_html_new.ini").find("Bind_Back=0"), std::string::npos);
}

}  // namespace
}  // namespace check_html
