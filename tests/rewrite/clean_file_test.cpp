// The rewrite of one page (CleanFile) and of every page the crawl found.
#include "rewrite/clean_file.h"

#include <gtest/gtest.h>

#include "driver_fixture.h"
#include "rewrite/rewrite_all_pages.h"
#include "platform/file_error.h"
#include "rewrite/tex_pre_pass.h"

namespace check_html {
namespace {

constexpr const char* kPage = "<html><head><title>T</title></head><p>x</p></html>\n";
constexpr const char* kDoctype = "<!DOCTYPE HTML><HTML lang=\"de\">";

using CleanFileTest = DriverTest;
using Lines = std::vector<std::string>;

TEST_F(CleanFileTest, MovesAnHtmPageToItsBackupAndListsItUnderItsNewName) {
  const int32_t i = AddPage("d:/s/x_se2.htm", kPage);
  files.ClearLog();
  EXPECT_TRUE(CleanFile(run, "d:/s/x_se2.htm", "d:/s/x_se2.html", i, false));
  EXPECT_EQ(files.Log(), (Lines{"rename d:/s/x_se2.htm -> d:/s/x_se2.bak",
                                                   "write d:/s/x_se2.html"}));
  EXPECT_EQ(Text("d:/s/x_se2.bak"), kPage);
  EXPECT_EQ(Text("d:/s/x_se2.html").rfind(kDoctype, 0), 0u);
  EXPECT_EQ(lists.CleanedList.Snapshot(), (Lines{"zq", "d:/s/x_se2.html"}));
  EXPECT_EQ(run.RefList, Lines{"FILE x_se2.pdf"});
  EXPECT_EQ(front_end.Events(), (Lines{"log d:/s/x_se2.htm",
                                                          "status Clean File d:/s/x_se2.htm"}));
}

TEST_F(CleanFileTest, ConverterPagesKeepThePrePassedTextAsBackupUnlessBakClear) {
  options.tex_html = true;
  const int32_t i = AddPage("d:/s/y.html", kPage);
  files.AddFile("d:/s/y.bak", "older backup");
  files.ClearLog();
  EXPECT_TRUE(CleanFile(run, "d:/s/y.html", "d:/s/y.html", i, false));
  EXPECT_EQ(files.Log(), (Lines{"remove d:/s/y.bak", "write d:/s/y.bak",
                                                   "write d:/s/y.html"}));
  EXPECT_EQ(Text("d:/s/y.bak"), "<html><head><title>T</title></head><p>x</p></html>   \n  \n");
  options.BakClear = true;
  EXPECT_TRUE(CleanFile(run, "d:/s/y.html", "d:/s/y.html", i, false));
  EXPECT_EQ(files.Files(), Lines{"d:/s/y.html"});
}

TEST_F(CleanFileTest, LeavesIndexPagesAndPagesWithoutEndAlone) {
  for (const char* name : {"d:/s/index.html", "d:/s/chapter_index.html", "d:/s/z.html"}) {
    EXPECT_FALSE(CleanFile(run, name, name, AddPage(name, "<p>no end</p>"), false)) << name;
  }
  EXPECT_EQ(front_end.Events(),
            (Lines{"log d:/s/z.html", "status Clean File d:/s/z.html",
                                      "log !!!No </HTML>, page not rewritten: d:/s/z.html"}));
  EXPECT_EQ(files.Files().size(), 3u);
  EXPECT_EQ(lists.CleanedList.Count(), 0);
}

// Whatever fails, the page stays whole under its own name.
TEST_F(CleanFileTest, AFailedFileOperationEndsTheRewriteWithThePageWhole) {
  const struct {
    bool tex;
    char fault;  // the page unreadable, its writing failing, or its old backup read-only
    std::string error;
  } cases[] = {{false, 'r', kReadMappingText},
               {false, 'w', kWriteMappingText},
               {true, 'w', kWriteMappingText},
               {true, 'b', "Can not delete file d:/s/w.bak"}};
  for (const auto& c : cases) {
    RunParts<DriverFiles> parts;
    DriverFiles& disk = parts.files;
    disk.AddFile("d:/s/w.html", kPage);
    if (c.fault == 'r') disk.SetIoError("d:/s/w.html");
    if (c.fault == 'w') disk.failing_write = "d:/s/w.html";
    if (c.fault == 'b') disk.AddFile("d:/s/w.bak", ""), disk.SetReadOnly("d:/s/w.bak");
    parts.options.tex_html = c.tex;
    parts.database.AddFile("d:/s/w.html", 0, "");
    try {
      CleanFile(parts.run, "d:/s/w.html", "d:/s/w.html", 1, false);
      ADD_FAILURE() << c.error << ": no error";
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), c.error);
    }
    EXPECT_EQ(disk.Contents("d:/s/w.html"), kPage) << c.error;
  }
}

TEST_F(CleanFileTest, APageBeyondAFullListOverwritesItsLastEntry) {
  ASSERT_TRUE(lists.CleanedList.SetCount(kPageListLast));
  CleanFile(run, "d:/s/x.html", "d:/s/x.html", AddPage("d:/s/x.html", kPage), false);
  EXPECT_TRUE(lists.ListFull);
  EXPECT_EQ(lists.CleanedList.Count(), kPageListLast);
  EXPECT_EQ(lists.CleanedList.Get(kPageListLast), "d:/s/x.html");
}

using RewriteAllPagesTest = DriverTest;

TEST_F(RewriteAllPagesTest, RewritesEveryFoundPageOnceUnderItsNewName) {
  AddPage("d:/s/x.htm", "<p>old x</p></html>\n");
  AddEntry("d:/s/x.htm", true);  // the crawl met x.htm twice
  AddPage("d:/s/y.html", kPage);
  AddPage("d:/s/p.gif", "GIF89a");
  AddEntry("d:/s/missing.html", false);
  AddPage("d:/s/index.html", kPage);
  files.ClearLog();
  RewriteAllPages(run);

  const auto table = database.Files();
  EXPECT_EQ(std::vector<std::string>(table.begin() + 1, table.end()),
            (Lines{"d:/s/x.html", "d:/s/x.html", "d:/s/y.html", "d:/s/p.gif",
                                      "d:/s/missing.html", "d:/s/index.html"}));
  EXPECT_EQ(lists.CleanedList.Snapshot(), (Lines{"zq", "d:/s/x.html", "d:/s/y.html"}));
  EXPECT_EQ(files.Log(), (Lines{
                             "rename d:/s/x.htm -> d:/s/x.bak", "write d:/s/x.html",
                             "rename d:/s/y.html -> d:/s/y.bak", "write d:/s/y.html"}));
  EXPECT_EQ(Text("d:/s/x.bak"), "<p>old x</p></html>\n");
}

// Hand-written mode moves x.htm and so never onto another page. Converter mode leaves x.htm in
// place and writes x.html from it, in every run: the x.html of the run before is no obstacle.
TEST_F(RewriteAllPagesTest, MovesNoPageOntoAnotherFileButConverterModeRewritesFromTheHtmPage) {
  AddPage("d:/s/x.htm", "<p>x.htm</p></html>\n");
  AddPage("d:/s/x.html", kPage);
  RewriteAllPages(run);
  EXPECT_EQ(database.Files()[1], "d:/s/x.htm");
  EXPECT_EQ(Text("d:/s/x.htm"), "<p>x.htm</p></html>\n");
  EXPECT_EQ(Text("d:/s/x.bak"), kPage);
  EXPECT_EQ(front_end.Events().front(), "log !!!Page not moved, the new name exists: d:/s/x.htm");

  options.tex_html = true;
  options.for_mathjax = false;
  front_end.Clear();
  database.ReplaceFile(1, "d:/s/x.htm");
  RewriteAllPages(run);
  EXPECT_EQ(database.Files()[1], "d:/s/x.html");
  EXPECT_EQ(Text("d:/s/x.htm"), "<p>x.htm</p></html>\n");
  EXPECT_NE(Text("d:/s/x.html").find("<p>x.htm</p>"), std::string::npos);
  EXPECT_EQ(front_end.Events().front(), "log d:/s/x.htm");
}

// With BindNoBack only pages below the chapter folders are rewritten; in a chapter's sub-folder
// the house rule ends the page and the old bar after it gives way to the new one.
TEST_F(RewriteAllPagesTest, BindsOnlyChapterPagesAndEndsSubFolderPagesAtTheRule) {
  run.BindNoBack = true;
  lists.BackboneList.Set(1, "d:\\s\\kap01\\backbone\\r1.html");
  AddPage("d:/s/kap02/illustr/f.html",
          "<p>f</p><HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">old bar</html>\n");
  AddPage("d:/other/o.html", kPage);
  RewriteAllPages(run);
  lists.BackboneList.Set(1, "");
  EXPECT_EQ(lists.RootPrefix(), "d:/s/kap");
  EXPECT_EQ(lists.CleanedList.Snapshot(), (Lines{"zq", "d:/s/kap02/illustr/f.html"}));
  EXPECT_EQ(Text("d:/s/kap02/illustr/f.html").find("old bar"), std::string::npos);
}

TEST_F(RewriteAllPagesTest, AStopRequestEndsThePassBeforeTheNextPage) {
  AddPage("d:/s/a.html", kPage);
  AddPage("d:/s/b.html", kPage);
  front_end.on_log = [this](const std::string&) { run.RequestStop(); };
  RewriteAllPages(run);
  EXPECT_EQ(lists.CleanedList.Snapshot(), (Lines{"zq", "d:/s/a.html"}));
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
