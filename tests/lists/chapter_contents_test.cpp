#include "lists/chapter_contents.h"

#include <string>
#include <vector>

#include "../site/report_run.h"
#include "lists/chapter_bars.h"
#include "lists/chapter_page.h"
#include "rewrite/button_templates.h"
#include "shell/start_run.h"
#include "site/page_lists.h"
#include "site/report_page.h"

namespace check_html {
namespace {

constexpr const char* kKap1 = "d:\\site\\kap01\\backbone\\";

class ChapterTest : public ReportTest {
 protected:
  ChapterTest() {
    Set_to_English = true;
    HomeLink = kHomeLink;
    UsePngButtonForms();
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

// The bar as the chapter pages show it; without a PDF file it is the contents page's bar.
std::string Bar(const std::string& back, const std::string& forward, const std::string& pdf) {
  const std::string forward_cell =
      "SRC=\"../../styles/weiter.png\" ALT=\"Forward\" TITLE=\"Forward\" BORDER=\"0\" "
      "HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>";
  return CrLfLines(
             {"", "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">", "<TABLE BORDER=\"0\">",
              "<TR>",
              "<TD VALIGN=\"MIDDLE\"><A HREF=\"../../index.html\" TARGET=\"_top\" "
              "ONCLICK=\"javascript: document.cookie='UXLL='+document.location.href+"
              "';path=/;SameSite=Lax'\"><IMG",
              "SRC=\"../../styles/index.png\" ALT=\"With frame\" TITLE=\"With frame\" BORDER=\"0\" "
              "HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>",
              "<TD VALIGN=\"MIDDLE\"><A id=\"go_ba_ck\" HREF=\"" + back + "\"><IMG",
              "SRC=\"../../styles/zurueck.png\" ALT=\"Back\" TITLE=\"Back\" BORDER=\"0\" "
              "HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>",
              "<TD VALIGN=\"MIDDLE\"><A id=\"go_for_ward\" HREF=\"" + forward + "\"><IMG"}) +
         (pdf.empty()
              ? CrLfLines({forward_cell + "</TR></TABLE>",
                           "<P CLASS=\"footer\">Author: Brisco, Kesta</P></BODY></HTML>"})
              : CrLfLines({forward_cell,
                           "<TD VALIGN=\"MIDDLE\" WIDTH=\"120\" ALIGN=\"RIGHT\"><A HREF=\"" + pdf +
                               "\"><IMG",
                           "SRC=\"../../styles/pdf_logo.png\" ALT=\"as PDF\" TITLE=\"as PDF\" "
                           "BORDER=\"0\" WIDTH=\"40\" HEIGHT=\"40\"></A></TD></TR></TABLE>",
                           "<P CLASS=\"footer\">Author: Brisco, Kesta</P></BODY></HTML>", "   "}));
}

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

  EXPECT_EQ(Written(kap1 + "r1_1.html"),
            "<HTML><BODY><h2>Forces</h2> <P>Text</P>" + Bar("r1.html", "r1_2.html", "r1_1.pdf"));
  EXPECT_EQ(Written(kap1 + "r1_1.bak"), r1_1);
  EXPECT_EQ(Written(kap1 + "r1.html"),
            CrLfLines({"<HTML lang=\"en\">", "<HEAD>", "<TITLE>Contents of Chapter 1</TITLE>",
                       "<LINK HREF=\"../styles/kap_s.css\" REL=\"stylesheet\" TITLE=\"zq\" "
                       "TYPE=\"text/css\"></HEAD>",
                       "<BODY>", "<H2><A HREF=\"r1_1.html\" CLASS=\"A2\">Forces</A></h2>",
                       "<H3><A HREF=\"r1_2.html\" CLASS=\"A3\">Power</A></H3>"}) +
                Bar("../../index.html\" TARGET=\"_top", "r1_1.html", ""));
  EXPECT_EQ(Targets(kap1 + "r1_2.html"), "r1_1.html ../../kap02/backbone/r2.html");
  EXPECT_EQ(Targets(kap2 + "r2.html"), "../../kap01/backbone/r1_2.html " + HomeLink);
  EXPECT_EQ(BackboneList.Snapshot(),
            (std::vector<std::string>{"Kesta", kap1 + "r1.html", kap1 + "r1_1.html",
                                      kap1 + "r1_2.html", kap2 + "r2.html"}));
  EXPECT_EQ(front_end.Events(),
            (std::vector<std::string>{"status check File " + kap1 + "r1_1.html",
                                      "status check File " + kap1 + "r1_2.html"}));
}

TEST_F(ChapterTest, TheChapterAfterChapter9HasTheIdAAndTheNumber10) {
  files.AddFolder("d:/site/kap01/backbone");
  for (const char id : std::string("23456789a")) {
    files.AddFile(std::string("d:\\site\\kap0") + id + "\\backbone\\r" + id + "_1.html", "");
  }
  BuildChapterContents(run, std::string(kKap1) + "r1.html");
  const std::string ra = Written("d:\\site\\kap0a\\backbone\\ra.html");
  EXPECT_NE(ra.find("<TITLE>Contents of Chapter 10</TITLE>"), std::string::npos);
  EXPECT_EQ(Targets("d:\\site\\kap0a\\backbone\\ra.html"),
            "../../kap09/backbone/r9_1.html ra_1.html");
  EXPECT_EQ(Targets("d:\\site\\kap09\\backbone\\r9_1.html"),
            "r9.html ../../kap0a/backbone/ra.html");
  EXPECT_EQ(BackboneList.Count(), 19);
}

TEST_F(ChapterTest, AChapterWithoutPagesGetsItsContentsPageInGerman) {
  Set_to_English = false;
  files.AddFolder("d:/site/kap01");
  BuildChapterContents(run, "d:\\site\\kap01\\start.html");
  const std::string page = Written("d:\\site\\kap01\\r1.html");
  EXPECT_NE(page.find("<TITLE>Inhalt von Kapitel 1</TITLE>"), std::string::npos);
  EXPECT_NE(page.find("ALT=\"Zurueck\" TITLE=\"Zurueck\""), std::string::npos);
  EXPECT_EQ(Targets("d:\\site\\kap01\\r1.html"), HomeLink + " " + HomeLink);
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
  }
}

TEST(ChapterNames, BackupAndPdfNamesReplaceTheExtension) {
  EXPECT_EQ(ChapterBakName("d:\\k\\r1.html") + " " + ChapterBakName("r1_2.htm"),
            "d:\\k\\r1.bak r1_2.bak");
  EXPECT_EQ(ChapterPdfName("d:\\k\\r1_2.html") + " " + ChapterPdfName("d:/k/r1_3.HTM"),
            "r1_2.pdf r1_3.pdf");
}

// Stops the run when the first page is shown, as a user pressing Stop would.
class StopAtFirstPage : public RecordingFrontEnd {
 public:
  void ShowStatus(const std::string& text) override {
    RecordingFrontEnd::ShowStatus(text);
    if (run != nullptr) run->RequestStop();
  }
  THTML_Thread* run = nullptr;
};

TEST_F(ChapterTest, AStopEndsThePassBetweenPagesAndLeavesTheRestAsItWas) {
  StopAtFirstPage stopper;
  THTML_Thread stopped_run(stopper, files);
  stopper.run = &stopped_run;
  const std::string kap1 = kKap1;
  for (const char* page : {"r1_1.html", "r1_2.html"}) files.AddFile(kap1 + page, "<P>x</HTML>");
  BuildChapterContents(stopped_run, kap1 + "r1.html");
  EXPECT_EQ(Targets(kap1 + "r1_1.html"), "r1.html r1_2.html");
  EXPECT_EQ(Written(kap1 + "r1_2.html"), "<P>x</HTML>");
  EXPECT_FALSE(files.Contents(kap1 + "r1.html"));
}

}  // namespace
}  // namespace check_html
