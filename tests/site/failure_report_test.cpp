#include <gtest/gtest.h>

#include "report_run.h"

namespace check_html {
namespace {

using FailureReport = ReportTest;

// Externals (a link and a picture) are left out; "From :" has no blank in the file table and
// one in the picture table.
TEST_F(FailureReport, ListsMissingLocalFilesAndPicturesWithThePagesThatReferToThem) {
  FillSmallSite(Db());
  run.WriteFailures("d:\\site\\check\\zq_bad.html");
  EXPECT_EQ(Body("d:/site/check/zq_bad.html"),
            CrLfLines({"<H2>HTML-Dateien</H2>", "<TABLE BORDER=\"1\">", "<TR>",
                       "<TD> ../kap9/x.html </TD> <TD>", "From :", "<BR> ../start.html",
                       "<BR> ../kap1/a.html", " </TD></TR>", "</TABLE>", "<HR>",
                       "<H2>PICTURE-Dateien</H2>", "<TABLE BORDER=\"1\">", "<TR>",
                       "<TD> ../styles/p.gif </TD> <TD>", "From : ", "<BR> ../start.html",
                       "<BR> ../kap1/a.html", " </TD></TR>", "<TR>",
                       "<TD> ../kap1/r.jpg </TD> <TD>", "From : ", "<BR> ../kap1/a.html",
                       " </TD></TR>", "</TABLE>"}));
  EXPECT_NE(Written("d:/site/check/zq_bad.html").find("<H1>Fehler im HTML-Baum</H1>"),
            std::string::npos);
}

TEST_F(FailureReport, GivesAMissingStartFileAnEmptyFromCellUnderTheEnglishTitle) {
  Set_to_English = true;
  Db().AddFile("d:/site/start.html", 0, "");
  run.WriteFailures("d:/site/check/b.html");
  EXPECT_NE(Written("d:/site/check/b.html")
                .find(CrLfLines({"<H1>Failure in HTML-Tree</H1>", "<H2>HTML-Dateien</H2>",
                                 "<TABLE BORDER=\"1\">", "<TR>", "<TD> ../start.html </TD> <TD>",
                                 "From :", " </TD></TR>", "</TABLE>"})),
            std::string::npos);
}

class FailureReportSwitch : public ReportTest {
 protected:
  FailureReportSwitch() {
    FillSmallSite(Db());
    GiF2PNGItem = true;
    files.AddFile("d:/site/start.html", kStartPage);
    files.AddFile("d:/site/kap1/a.html", "<IMG SRC=\"../styles/p.gif\"><!--.../styles/p.gif-->");
    files.ClearLog();
  }
  static constexpr const char* kStartPage =
      "<BODY BACKGROUND=\"styles/p.gif\"><IMG SRC=\"Styles/P.GIF\"><IMG SRC=\"kap1/r.jpg\">\r\n";
};

// A reference in another case stays; the reference right after a partial match ("..") is
// switched too; the JPEG and the external GIF are not touched.
TEST_F(FailureReportSwitch, SwitchesEveryPageShowingAMissingGifToItsPng) {
  run.WriteFailures("d:/site/check/zq_bad.html");
  EXPECT_EQ(Written("d:/site/start.html"),
            "<BODY BACKGROUND=\"styles/p.png\"><IMG SRC=\"Styles/P.GIF\"><IMG "
            "SRC=\"kap1/r.jpg\">\r\n");
  EXPECT_EQ(Written("d:/site/kap1/a.html"), "<IMG SRC=\"../styles/p.png\"><!--.../styles/p.png-->");
  EXPECT_EQ(files.Log(), (std::vector<std::string>{
                             "write d:/site/start.html_d", "remove d:/site/start.html",
                             "rename d:/site/start.html_d -> d:/site/start.html",
                             "write d:/site/kap1/a.html_d", "remove d:/site/kap1/a.html",
                             "rename d:/site/kap1/a.html_d -> d:/site/kap1/a.html",
                             "write d:/site/check/zq_bad.html"}));
}

TEST_F(FailureReportSwitch, ChangesNoPageInALinkCheck) {
  run.CheckOnly = true;
  run.WriteFailures("d:/site/check/zq_bad.html");
  EXPECT_EQ(files.Log(), std::vector<std::string>{"write d:/site/check/zq_bad.html"});
}

}  // namespace
}  // namespace check_html
