#include "rewrite/anchor_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rewrite_fixture.h"

namespace check_html {
namespace {

using AnchorHandler = RewriteTest;

TEST_F(AnchorHandler, WritesIdNameClassTitleStyleHrefThenTheOthersAsRead) {
  HandleAnchor(page, "see ",
               "a target=\"_top\" HREF=\"Kap1/A.HTM#Sec\" style=\"s\" title=\"t\" Class=\"c\" "
               "name=\"top\" id=\"i\" onClick=\"f()\"");
  EXPECT_EQ(Output(),
            "see <a ID=\"i\" NAME=\"top\" CLASS=\"c\" TITLE=\"t\" STYLE=\"s\" "
            "HREF=\"kap1/a.html#Sec\" target=\"_top\" onClick=\"f()\">");
  EXPECT_EQ(run.RefList, std::vector<std::string>{"Kap1/A.HTM#Sec"});
}

// The crawl counts the same anchors, so its recorded "_dum_" names stay valid.
TEST_F(AnchorHandler, NumbersUnnamedAndGeneratedNamesInOneSequence) {
  for (const char* tag : {"a href=\"b.html\"", "a name=\"_dum_7\" href=\"c.html\"",
                          "a name=\"top\"", "a href=\"b.html#x\""}) {
    HandleAnchor(page, "", tag);
  }
  EXPECT_EQ(Output(),
            "<a NAME=\"_dum_1\" HREF=\"b.html\"><a NAME=\"_dum_2\" HREF=\"c.html\">"
            "<a NAME=\"top\"><a NAME=\"_dum_3\" HREF=\"b.html#x\">");
  EXPECT_EQ(run.AnchorCounter, 3);
}

TEST_F(AnchorHandler, AbbreviationAndTranslationNamesGetTitleAndStyle) {
  const std::pair<std::string, std::string> cases[] = {
      {"a title=\"old\" name=\"?ABC\" style=\"color:red\"",
       "<a NAME=\"?ABC\" TITLE=\"ABC\" STYLE=\"FONT-WEIGHT:BOLD; FONT-STYLE:ITALIC\">"},
      {"a name=\"\xA7Haus\"",
       "<a NAME=\"\xA7Haus\" TITLE=\"german translation: Haus\" "
       "STYLE=\"FONT-WEIGHT:BOLD; FONT-STYLE:ITALIC\">"},
  };
  for (const auto& [tag, expected] : cases) {
    run.Writer.BeginOutput("out.html");
    HandleAnchor(page, "", tag);
    EXPECT_EQ(Output(), expected) << tag;
  }
}

TEST_F(AnchorHandler, DatedAnchorsRetireOldDaysAfterTheirDate) {
  Clear_Anc = true;
  Old_Days = 30;
  const int32_t dated = (120 * 12 + 1) * 31 + 1;  // 01.01.20
  struct Case {
    int32_t today;
    std::string tag;
    std::string expected;
  };
  const Case cases[] = {
      {dated + 30, "a class=\"Bli1\" name=\"$010120_news1\"",
       "<a NAME=\"$010120_news1\" CLASS=\"Bli1\">"},
      {dated + 31, "a class=\"Bli1\" name=\"$010120_news1\"", "<a NAME=\"news1\">"},
      {dated + 31, "a class=\"Bli1\" name=\"$010120\"", "<a>"},
      {dated + 31, "a class=\"Bli2\" name=\"$010120_\"", "<a CLASS=\"Bli2\">"},
      {dated + 31, "a name=\"$01x120_news1\"", "<a NAME=\"$01x120_news1\">"},
      // A dated HREF is retired as well, but its class stays.
      {dated + 31, "a class=\"Bli1\" href=\"$010120_Page.HTM\"",
       "<a NAME=\"_dum_1\" CLASS=\"Bli1\" HREF=\"page.html\">"},
  };
  for (const Case& c : cases) {
    TodayNumber = c.today;
    run.AnchorCounter = 0;
    run.Writer.BeginOutput("out.html");
    HandleAnchor(page, "", c.tag);
    EXPECT_EQ(Output(), c.expected) << c.tag << " on day " << c.today;
  }
  Clear_Anc = false;
  run.Writer.BeginOutput("out.html");
  HandleAnchor(page, "", "a name=\"$010120_news1\"");
  EXPECT_EQ(Output(), "<a NAME=\"$010120_news1\">");
}

// The equation anchor still uses up a generated number, as the crawl counted it.
TEST_F(AnchorHandler, NumberedEquationBecomesATableWithItsLabel) {
  xxx_mathjax = true;
  HandleAnchor(page, "", "a id=\"x1-30003.2\"");
  Load("</a> after <a href=\"b.html\"></a></HTML>");
  HandleAnchor(page, "Hence \\begin{equation}E=mc^2\\index{energy}\\end{equation} ",
               "a id=\"x1-2001r4\"");
  std::string text, tag;
  run.Reader.ReadTag(text, tag);
  HandleAnchor(page, text, tag);
  EXPECT_EQ(Output(),
            "<a ID=\"x1-30003.2\" NAME=\"_dum_1\">Hence <TABLE WIDTH=\"100%\" BORDER=\"0\"><TR><TD>"
            "\\begin{equation}E=mc^2\\end{equation} \n</TD><TD WIDTH=\"1%\" VALIGN=\"TOP\">"
            "<a ID=\"x1-2001r4\" NAME=\"EqID\"></a></TD><TD WIDTH=\"65\" ALIGN=\"LEFT\" "
            "VALIGN=\"MIDDLE\">(3.4)</TD></TR></TABLE> \nafter <a NAME=\"_dum_3\" HREF=\"b.html\">");

  xxx_mathjax = false;  // without the option the id is an ordinary one
  run.Writer.BeginOutput("out.html");
  HandleAnchor(page, "\\begin{equation}x\\end{equation}", "a id=\"x1-2001r5\"");
  EXPECT_EQ(Output(), "\\begin{equation}x\\end{equation}<a ID=\"x1-2001r5\" NAME=\"_dum_4\">");
}

TEST_F(AnchorHandler, StripIndexCommandsRemovesEveryCommandThroughItsFirstClosingBrace) {
  xxx_mathjax = true;
  const std::pair<std::string, std::string> cases[] = {
      {"a\\index{x}b", "ab"},
      {"\\index{x}b\\index{y}\\index{z}c", "bc"},  // at the start and back to back as well
      {"a\\index{x{y}}b", "a}b"},
      {"a\\index{x}b\\index{open", "ab\\index{open"},
      {"plain", "plain"},
  };
  for (const auto& [text, expected] : cases) {
    std::string s = text;
    StripIndexCommands(s);
    EXPECT_EQ(s, expected) << text;
  }
  xxx_mathjax = false;
  std::string s = "a\\index{x}b";
  StripIndexCommands(s);
  EXPECT_EQ(s, "a\\index{x}b");
}

TEST_F(AnchorHandler, FrameSourceIsNormalisedAndAFramesetKeptAsItIs) {
  HandleFrame(page, "frame src=\"Kap1/A.HTM#Top\" name=\"m\"");
  HandleFrame(page, "frameset cols=\"20%,*\"");
  EXPECT_EQ(Output(), "<frame src=\"kap1/a.html#Top\" name=\"m\"><frameset cols=\"20%,*\">");
}

}  // namespace
}  // namespace check_html
