#include "rewrite/anchor_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "driver_fixture.h"

namespace check_html {
namespace {

using AnchorHandler = RewriteTest;

// The link loses the blanks around it, as browsers read it.
TEST_F(AnchorHandler, WritesIdNameClassTitleStyleHrefThenTheOthersAsRead) {
  HandleAnchor(page, "see ",
               "a target=\"_top\" HREF=\" Kap1/A.HTM#Sec\t\" style=\"s\" title=\"t\" "
               "Class=\"c\" name=\"top\" id=\"i\" onClick=\"f()\"");
  EXPECT_EQ(Output(),
            "see <a ID=\"i\" NAME=\"top\" CLASS=\"c\" TITLE=\"t\" STYLE=\"s\" "
            "HREF=\"kap1/a.html#Sec\" target=\"_top\" onClick=\"f()\">");
  EXPECT_EQ(run.RefList, std::vector<std::string>{"Kap1/A.HTM#Sec"});
}

// The text in front goes out before the tag, in a write of its own: a long text is broken at its
// own first blank behind column 120, not before the anchor that would end a longer line.
TEST_F(AnchorHandler, WritesTheTextBeforeTheTagApart) {
  const std::string text = std::string(124, 'w') + " " + std::string(10, 'v') + "> ";
  HandleAnchor(page, text, "a href=\"b.html\"");
  EXPECT_EQ(Output(), text.substr(0, 125) + "\n" + text.substr(125) +
                          "<a NAME=\"_dum_1\" HREF=\"b.html\">");
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

// Abbreviation ("?") and translation ("\xA7") names get their title and style. Dated anchors
// (options.Clear_Anc) are retired options.Old_Days after their date: the name loses its date, or goes when
// nothing is left, and a "Bli" class goes with it; a dated HREF is retired as well, but its class
// stays.
TEST_F(AnchorHandler, SpecialNamesGetTheirTitleAndDatedOnesRetireOldDaysAfterTheirDate) {
  const int32_t dated = (120 * 12 + 1) * 31 + 1;  // 01.01.20
  const struct {
    bool clear;
    int32_t today;
    std::string tag, expected;
  } cases[] = {
      {false, 0, "a title=\"old\" name=\"?ABC\" style=\"color:red\"",
       "<a NAME=\"?ABC\" TITLE=\"ABC\" STYLE=\"FONT-WEIGHT:BOLD; FONT-STYLE:ITALIC\">"},
      {false, 0, "a name=\"\xA7Haus\"",
       "<a NAME=\"\xA7Haus\" TITLE=\"german translation: Haus\" "
       "STYLE=\"FONT-WEIGHT:BOLD; FONT-STYLE:ITALIC\">"},
      {false, dated + 31, "a name=\"$010120_news1\"", "<a NAME=\"$010120_news1\">"},
      {true, dated + 30, "a class=\"Bli1\" name=\"$010120_news1\"",
       "<a NAME=\"$010120_news1\" CLASS=\"Bli1\">"},
      {true, dated + 31, "a class=\"Bli1\" name=\"$010120_news1\"", "<a NAME=\"news1\">"},
      {true, dated + 31, "a class=\"Bli1\" name=\"$010120\"", "<a>"},
      {true, dated + 31, "a class=\"Bli2\" name=\"$010120_\"", "<a CLASS=\"Bli2\">"},
      {true, dated + 31, "a name=\"$01x120_news1\"", "<a NAME=\"$01x120_news1\">"},
      {true, dated + 31, "a class=\"Bli1\" href=\"$010120_Page.HTM\"",
       "<a NAME=\"_dum_1\" CLASS=\"Bli1\" HREF=\"page.html\">"},
  };
  options.Old_Days = 30;
  for (const auto& c : cases) {
    options.Clear_Anc = c.clear;
    options.TodayNumber = c.today;
    run.AnchorCounter = 0;
    EXPECT_EQ(Fresh([&] { HandleAnchor(page, "", c.tag); }), c.expected) << c.tag << " " << c.today;
  }
}

// The equation anchor still uses up a generated number, as the crawl counted it.
TEST_F(AnchorHandler, NumberedEquationBecomesATableWithItsLabel) {
  options.xxx_mathjax = true;
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
  options.xxx_mathjax = false;  // without the option the id is an ordinary one
  const std::string equation = "\\begin{equation}x\\end{equation}";
  EXPECT_EQ(Fresh([&] { HandleAnchor(page, equation, "a id=\"x1-2001r5\""); }),
            "\\begin{equation}x\\end{equation}<a ID=\"x1-2001r5\" NAME=\"_dum_4\">");
}

// Only with options.xxx_mathjax; each command goes through its first closing brace.
TEST_F(AnchorHandler, StripIndexCommandsRemovesEveryCommandThroughItsFirstClosingBrace) {
  for (const auto& [mathjax, text, expected] : {
           std::tuple{true, "a\\index{x}b", "ab"},
           std::tuple{true, "\\index{x}b\\index{y}\\index{z}c", "bc"},  // also at the start
           std::tuple{true, "a\\index{x{y}}b", "a}b"},
           std::tuple{true, "a\\index{x}b\\index{open", "ab\\index{open"},
           std::tuple{true, "plain", "plain"},
           std::tuple{false, "a\\index{x}b", "a\\index{x}b"}}) {
    options.xxx_mathjax = mathjax;
    std::string s = text;
    StripIndexCommands(options, s);
    EXPECT_EQ(s, expected) << text;
  }
}

TEST_F(AnchorHandler, FrameSourceIsNormalisedAndAFramesetKeptAsItIs) {
  HandleFrame(page, "frame src=\"Kap1/A.HTM#Top\" name=\"m\"");
  HandleFrame(page, "frameset cols=\"20%,*\"");
  EXPECT_EQ(Output(), "<frame src=\"kap1/a.html#Top\" name=\"m\"><frameset cols=\"20%,*\">");
}

}  // namespace
}  // namespace check_html
