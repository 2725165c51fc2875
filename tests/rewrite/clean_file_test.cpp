#include "rewrite/clean_file.h"

#include <gtest/gtest.h>

#include "driver_fixture.h"
#include "platform/file_error.h"
#include "rewrite/tex_pre_pass.h"
#include "rewrite_fixture.h"

namespace check_html {
namespace {

constexpr const char* kPage = "<html><head><title>T</title></head><p>x</p></html>\n";
constexpr const char* kDoctype = "<!DOCTYPE HTML><HTML lang=\"de\">";

using CleanFileTest = DriverTest;

TEST_F(CleanFileTest, MovesAnHtmPageToItsBackupAndListsItUnderItsNewName) {
  const int32_t i = AddPage("d:/s/x_se2.htm", kPage);
  files.ClearLog();
  EXPECT_TRUE(CleanFile(run, "d:/s/x_se2.htm", "d:/s/x_se2.html", i, false));
  EXPECT_EQ(files.Log(), (std::vector<std::string>{"rename d:/s/x_se2.htm -> d:/s/x_se2.bak",
                                                   "write d:/s/x_se2.html"}));
  EXPECT_EQ(Text("d:/s/x_se2.bak"), kPage);
  EXPECT_EQ(Text("d:/s/x_se2.html").rfind(kDoctype, 0), 0u);
  EXPECT_EQ(CleanedList.Snapshot(), (std::vector<std::string>{"zq", "d:/s/x_se2.html"}));
  EXPECT_EQ(run.RefList, std::vector<std::string>{"FILE x_se2.pdf"});
  EXPECT_EQ(front_end.Events(), (std::vector<std::string>{"log d:/s/x_se2.htm",
                                                          "status Clean File d:/s/x_se2.htm"}));
}

TEST_F(CleanFileTest, ConverterPagesKeepThePrePassedTextAsBackupUnlessBakClear) {
  tex_html = true;
  const int32_t i = AddPage("d:/s/y.html", kPage);
  files.AddFile("d:/s/y.bak", "older backup");
  files.ClearLog();
  EXPECT_TRUE(CleanFile(run, "d:/s/y.html", "d:/s/y.html", i, false));
  EXPECT_EQ(files.Log(), (std::vector<std::string>{"remove d:/s/y.bak", "write d:/s/y.bak",
                                                   "write d:/s/y.html"}));
  EXPECT_EQ(Text("d:/s/y.bak"), "<html><head><title>T</title></head><p>x</p></html>   \n  \n");
  BakClear = true;
  EXPECT_TRUE(CleanFile(run, "d:/s/y.html", "d:/s/y.html", i, false));
  EXPECT_EQ(files.Files(), std::vector<std::string>{"d:/s/y.html"});
}

TEST_F(CleanFileTest, LeavesIndexPagesAndPagesWithoutEndAlone) {
  for (const char* name : {"d:/s/index.html", "d:/s/chapter_index.html", "d:/s/z.html"}) {
    EXPECT_FALSE(CleanFile(run, name, name, AddPage(name, "<p>no end</p>"), false)) << name;
  }
  EXPECT_EQ(front_end.Events(),
            (std::vector<std::string>{"log d:/s/z.html", "status Clean File d:/s/z.html",
                                      "log !!!No </HTML>, page not rewritten: d:/s/z.html"}));
  EXPECT_EQ(files.Files().size(), 3u);
  EXPECT_EQ(CleanedList.Count(), 0);
}

// Whatever fails, the page stays whole under its own name.
TEST_F(CleanFileTest, AFailedFileOperationEndsTheRewriteWithThePageWhole) {
  struct Case {
    bool tex;
    void (*set_up)(DriverFiles&);
    std::string error;
  } cases[] = {
      {false, [](DriverFiles& f) { f.SetIoError("d:/s/w.html"); }, kReadMappingText},
      {false, [](DriverFiles& f) { f.failing_write = "d:/s/w.html"; }, kWriteMappingText},
      {true, [](DriverFiles& f) { f.failing_write = "d:/s/w.html"; }, kWriteMappingText},
      {true,
       [](DriverFiles& f) {
         f.AddFile("d:/s/w.bak", "");
         f.SetReadOnly("d:/s/w.bak");
       },
       "Can not delete file d:/s/w.bak"},
  };
  for (const Case& c : cases) {
    DriverFiles disk;
    disk.AddFile("d:/s/w.html", kPage);
    c.set_up(disk);
    tex_html = c.tex;
    DriverRun page_run(front_end, disk);
    page_run.Database = std::make_unique<SiteDatabase>();
    page_run.Database->AddFile("d:/s/w.html", 0, "");
    try {
      CleanFile(page_run, "d:/s/w.html", "d:/s/w.html", 1, false);
      ADD_FAILURE() << c.error << ": no error";
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), c.error);
    }
    EXPECT_EQ(disk.Contents("d:/s/w.html"), kPage) << c.error;
  }
}

TEST_F(CleanFileTest, APageBeyondAFullListOverwritesItsLastEntry) {
  ASSERT_TRUE(CleanedList.SetCount(kPageListLast));
  CleanFile(run, "d:/s/x.html", "d:/s/x.html", AddPage("d:/s/x.html", kPage), false);
  EXPECT_TRUE(ListFull);
  EXPECT_EQ(CleanedList.Count(), kPageListLast);
  EXPECT_EQ(CleanedList.Get(kPageListLast), "d:/s/x.html");
}

TEST_F(RewriteTest, ThePrePassCountsFiguresByTheirRuleTagsAndSavesTheBackup) {
  const std::string text =
      "<hr class=\"figure\"><hr class=\"endfigure\"><HR CLASS=\"figure\"><hr class=\"figure\">"
      "</html>\n";
  files.AddFolder("d:/site/kap01");
  Load(text);
  RunPrePass(page);
  EXPECT_EQ(page.FigureLetter, 'b');
  EXPECT_TRUE(page.InFigure);
  EXPECT_EQ(files.Contents(page.BakName), text.substr(0, text.size() - 1) + "   \n  \n");
}

}  // namespace
}  // namespace check_html
