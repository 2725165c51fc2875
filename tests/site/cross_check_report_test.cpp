#include <gtest/gtest.h>

#include "report_run.h"

namespace check_html {
namespace {

using CrossCheckReport = ReportTest;

TEST_F(CrossCheckReport, ListsEveryFileAndPictureByNumberWithLinksBothWays) {
  FillSmallSite(Db());
  run.WriteCrossCheck("d:\\site\\check\\zq_check.html");
  const std::string no_title = ": <FONT COLOR=\"#FF0000\"></FONT> <BR>";
  EXPECT_EQ(Body("d:/site/check/zq_check.html"),
            CrLfLines({"<H2>HTML-Files</H2>", "<TABLE BORDER=\"1\">",
                       "<TR>", "<TD WIDTH=\"100\"> 1 </TD> <TD>",
                       "../start.html: <FONT COLOR=\"#FF0000\">Start</FONT> <BR>",
                       "To   : 2, -3, -4,  <BR>", "From : 0, 2,  <BR>", "Pics : -1,  </TD></TR>",
                       "<TR>", "<TD WIDTH=\"100\"> 2 </TD> <TD>",
                       "../kap1/a.html: <FONT COLOR=\"#FF0000\">Kr\xE4" "fte</FONT> <BR>",
                       "To   : 1, -3,  <BR>", "From : 1,  <BR>",
                       "Pics : -1, 2, -3, -4,  </TD></TR>",
                       // Missing files: a negative number, an empty title, only the From list.
                       "<TR>", "<TD WIDTH=\"100\"> -3 </TD> <TD>", "../kap9/x.html" + no_title,
                       "From : 1, 2,  </TD></TR>", "<TR>", "<TD WIDTH=\"100\"> -4 </TD> <TD>",
                       "http://www.example.org/" + no_title, "From : 1,  </TD></TR>",
                       "</TABLE>", "<HR>", "<H2>PICTURE-Files</H2>", "<TABLE BORDER=\"1\">",
                       "<TR>", "<TD WIDTH=\"50\"> -1 </TD> <TD>", "../styles/p.gif <BR>",
                       "From : 1, 2,  </TD></TR>", "<TR>", "<TD WIDTH=\"50\"> 2 </TD> <TD>",
                       "../kap1/q.png <BR>", "From : 2,  </TD></TR>",
                       "<TR>", "<TD WIDTH=\"50\"> -3 </TD> <TD>", "../kap1/r.jpg <BR>",
                       "From : 2,  </TD></TR>", "<TR>", "<TD WIDTH=\"50\"> -4 </TD> <TD>",
                       "http://x.org/logo.gif <BR>", "From : 2,  </TD></TR>", "</TABLE>"}));
}

// The number list ends its line after every 16th number; the title is German in both languages.
TEST_F(CrossCheckReport, BreaksTheToListAfterThe16thOfSeventeenLinks) {
  Set_to_English = true;
  Db().AddFile("d:/site/start.html", 0, "");
  Db().FileRecords()[1].Exists = true;
  for (int i = 2; i <= 18; ++i) {
    Db().AppendLinksTo(1, Db().AddFile("d:/p" + std::to_string(i), 1, ""));
  }
  run.WriteCrossCheck("d:/site/check/c.html");
  const std::string text = Written("d:/site/check/c.html");
  EXPECT_TRUE(text.starts_with("<HTML lang=\"en\">\r\n<HEAD>\r\n<TITLE>CrossCheck des HTML-Baums"));
  EXPECT_NE(text.find("To   : 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, \r\n"
                      "18,  <BR>\r\nFrom : 0,  <BR>\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace check_html
