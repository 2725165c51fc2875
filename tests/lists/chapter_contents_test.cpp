#include "lists/chapter_contents.h"

#include <string>
#include <vector>

#include "../site/report_run.h"
#include "lists/chapter_page.h"
#include "rewrite/button_templates.h"
#include "shell/start_run.h"
#include "site/page_lists.h"
#include "site/report_page.h"

namespace check_html {
namespace {

constexpr const char* kKap1 = "d:\\site\\kap01\\backbone\\";
constexpr const char* kFooter = "<P CLASS=\"footer\">Author: Brisco, Kesta</P></BODY></HTML>";

class ChapterTest : public ReportTest {
 protected:
  ChapterTest() {
    options.Set_to_English = true;
    options.HomeLink = kHomeLink;
  }
  // "back forward" of a written backbone or contents page.
  std::string Targets(const std::string& path) const {
    const std::string page = Written(path);
    auto href = [&page](const std::string& id) {
      const size_t from = page.find(id + "\" HREF=\"") + id.size() + 8;
      return page.substr(from, page.find("\"><IMG", from) - from);
    };
    return href("go_ba_ck") + " " + href("go_for_ward");
  }
};

TEST_F(ChapterTest, BindsTheChaptersIntoOneChainAndListsTheirHeadings) {
  const std::string kap1 = kKap1, kap2 = "d:\\site\\kap02\\backbone\\";
  const std::string r1_1 =
      "<HTML><BODY><h2>Forces</h2>\n<P>Text</P>\n"
      "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">\n<TABLE>old</TABLE></BODY></HTML>\n";
  files.AddFile(kap1 + "r1.html", "<HTML><BODY>old contents</BODY></HTML>");
  files.AddFile(kap1 + "R1_1.html", r1_1);
  files.AddFile(kap1 + "r1_2.html", "<H1>Work <I>and</I> energy</H1><H3>Power</H3></BODY></HTML>");
  files.AddFile(kap1 + "r1_pic.gif", "GIF");
  files.AddFile(kap2 + "r2.html", "");
  BuildChapterContents(run, kap1 + "r1.html");

  // Copied up to its old bar, whose rule line stays; then the new bar (its cells are the
  // navigation bars' own) ending in the PDF cell, and the footer.
  const std::string bound = Written(kap1 + "r1_1.html");
  EXPECT_TRUE(bound.starts_with(CrLfLines({"<HTML><BODY><h2>Forces</h2> <P>Text</P>",
                                          "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">",
                                          "<TABLE BORDER=\"0\">"})))
      << bound;
  EXPECT_TRUE(bound.ends_with(CrLfLines({"WIDTH=\"40\" HEIGHT=\"40\"></A></TD></TR></TABLE>",
                                        kFooter, "   "})))
      << bound;
  EXPECT_EQ(Written(kap1 + "r1_1.bak"), r1_1);
  // The contents page: its head and heading lines (its bar: the sample site's binding run).
  const std::string contents = Written(kap1 + "r1.html");
  EXPECT_EQ(contents.substr(0, contents.find("<HR")),
            CrLfLines({"<HTML lang=\"en\">", "<HEAD>", "<TITLE>Contents of Chapter 1</TITLE>",
                       "<LINK HREF=\"../styles/kap_s.css\" REL=\"stylesheet\" TITLE=\"zq\" "
                       "TYPE=\"text/css\"></HEAD>",
                       "<BODY>", "<H2><A HREF=\"r1_1.html\" CLASS=\"A2\">Forces</A></h2>",
                       "<H3><A HREF=\"r1_2.html\" CLASS=\"A3\">Power</A></H3>", ""}));
  for (const auto& [page, targets] :
       {std::pair{kap1 + "r1.html", options.HomeLink + " r1_1.html"},
        std::pair{kap1 + "r1_1.html", std::string("r1.html r1_2.html")},
        std::pair{kap1 + "r1_2.html", std::string("r1_1.html ../../kap02/backbone/r2.html")},
        std::pair{kap2 + "r2.html", "../../kap01/backbone/r1_2.html " + options.HomeLink}}) {
    EXPECT_EQ(Targets(page), targets) << page;
  }
  EXPECT_EQ(lists.BackboneList.Snapshot(),
            (std::vector<std::string>{"Kesta", kap1 + "r1.html", kap1 + "r1_1.html",
                                      kap1 + "r1_2.html", kap2 + "r2.html"}));
  EXPECT_EQ(front_end.Events().back(), "status check File " + kap1 + "r1_2.html");
}

// Chapter 1 has no page but its contents page; the next nine chapters have one page each.
TEST_F(ChapterTest, TheChapterAfterChapter9HasTheIdAAndTheNumber10) {
  options.Set_to_English = false;
  files.AddFolder("d:/site/kap01/backbone");
  for (const char id : std::string("23456789a")) {
    files.AddFile(std::string("d:/site/kap0") + id + "/backbone/r" + id + "_1.html", "");
  }
  BuildChapterContents(run, std::string(kKap1) + "r1.html");
  const std::string ra = "d:\\site\\kap0a\\backbone\\ra.html";
  EXPECT_NE(Written(ra).find("<TITLE>Inhalt von Kapitel 10</TITLE>"), std::string::npos);
  EXPECT_EQ(Targets(std::string(kKap1) + "r1.html"), options.HomeLink + " ../../kap02/backbone/r2.html");
  EXPECT_EQ(Targets(ra), "../../kap09/backbone/r9_1.html ra_1.html");
  EXPECT_EQ(Targets("d:/site/kap09/backbone/r9_1.html"), "r9.html ../../kap0a/backbone/ra.html");
  EXPECT_EQ(lists.BackboneList.Count(), 19);
}

TEST_F(ChapterTest, APageIsCopiedUpToItsOldBarOrBodyEndAndNeverLosesText) {
  struct Case {
    std::string page, copy, contents;
  };
  const std::string rule = "<hr size=\"3\" noshade=\"noshade\" color=\"#010101\">";
  for (const Case& c : std::vector<Case>{
           {"<P>a</P>\n" + rule + "<P>old bar</P></HTML>", "<P>a</P>", ""},
           {"<P>a</P> tail </body><P>b</P></HTML>", "<P>a</P> tail ", ""},
           {"<P>no end at all\n\n", "<P>no end at all ", ""},
           {"<H2>A <B>b</B></H2><H2>T</H3></HTML>", "<H2>A <B>b</B></H2><H2>T</H3>", ""},
           {"<H1>x" + rule + "</HTML>", "<H1>x", ""},
           {"<h9 id=\"n\">N</h9></HTML>", "<h9 id=\"n\">N</h9>",
            "<H9><A HREF=\"p.htm\" CLASS=\"A9\">N</A></h9>\r\n"}}) {
    files.AddFile("d:/s/p.htm", c.page);
    ReportText contents;
    CheckChapterPage(run, "d:\\s\\p.htm", "p.htm", "f.htm", "b.htm", contents);
    const std::string written = Written("d:/s/p.htm");
    EXPECT_EQ(written.substr(0, written.find("\r\n")), c.copy) << c.page;
    EXPECT_EQ(contents.Bytes(), c.contents) << c.page;
    EXPECT_EQ(Written("d:/s/p.bak"), c.page);
    EXPECT_NE(written.find("<A HREF=\"p.pdf\"><IMG"), std::string::npos);
  }
}

TEST_F(ChapterTest, AStopRequestLeavesTheRemainingPagesAndTheContentsPageAsTheyWere) {
  files.AddFile(std::string(kKap1) + "r1_1.html", "<P>x</HTML>");
  run.RequestStop();
  BuildChapterContents(run, std::string(kKap1) + "r1.html");
  EXPECT_EQ(files.Files(), std::vector<std::string>{"d:/site/kap01/backbone/r1_1.html"});
}

}  // namespace
}  // namespace check_html
