// The navigation bars: the page names and section fields they use, the old bar's links, and the
// new bar at the end of each page.
#include "rewrite/navigation_bars.h"

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "rewrite/button_templates.h"
#include "rewrite/section_names.h"
#include "driver_fixture.h"
#include "site/site_database.h"

namespace check_html {
namespace {

TEST(NavigationBars, PageNameTestsForPdfButtonsAndSubPages) {
  for (const auto& [path, base, pdf] : {std::tuple{"d:/kap01/r_se3.html", "r_se3", true},
                                        std::tuple{"d:\\kap01\\r_su2.htm", "r_su2", true},
                                        std::tuple{"../x.v2/reuse.html", "reuse", true},
                                        std::tuple{"d:/kap01/r_SE3.html", "r_SE3", false},
                                        std::tuple{"readme", "readme", false}}) {
    std::string changed = path;
    EXPECT_EQ(PdfBaseName(changed), pdf) << path;
    EXPECT_EQ(changed, base);
  }
  for (const auto& [name, sub_page] : std::vector<std::pair<std::string, bool>>{
           {"r_su2.html", true}, {"r_SU2.htm", true}, {"a/r_su12.html", true},
           {"r_su123.html", true}, {"su1.html", true}, {"r_su1234.html", false},
           {"r_su.html", false}, {"r_se2.html", false}, {"../../index.html", false},
           {"u1.h", false}}) {
    EXPECT_EQ(IsSubPageName(name), sub_page) << name;
  }
}

// Pages met in this order; the section fields only move for a higher number of one to three
// characters, and a number that does not convert counts as 0.
TEST_F(RewriteTest, SectionFieldsMoveOnlyForAHigherSectionNumber) {
  for (const auto& [page_name, fields] : std::vector<std::pair<std::string, std::string>>{
           {"d:/s/r_se3.html", "r_se3.html r_se4.html r_se2.html 3"},
           {"d:/s/r_se2.html", "r_se3.html r_se4.html r_se2.html 3"},
           {"d:/s/wave_SE12.htm", "wave_SE12.htm wave_se13.html wave_se11.html 12"},
           {"d:/s/phase_x.html", "wave_SE12.htm wave_se13.html wave_se11.html 12"},
           {"/a_se100.html", "/a_se100.html /a_se101.html /a_se99.html 100"}}) {
    MoveSectionFields(run, page_name);
    EXPECT_EQ(run.SectionPage + " " + run.NextSectionPage + " " + run.PrevSectionPage + " " +
                  std::to_string(run.SectionNo),
              fields)
        << page_name;
  }
}

TEST_F(RewriteTest, PageNamesGiveTheBackupAndPdfNamesAndThePageKinds) {
  page.SourceName = "d:/s/x.htm";
  SetPageNames(page);
  EXPECT_EQ(page.BakName + " " + page.PdfBase, "d:/s/x.bak x");
  page.SourceName = "d:/s/wellen_LI1.html";
  SetPageNames(page);
  EXPECT_EQ(page.BakName + " " + page.PdfBase, "d:/s/wellen_LI1.bak wellen_LI1");
  EXPECT_TRUE(page.IsLi1Page);
}

TEST_F(RewriteTest, ReadCrosslinksTakesTheFirstTwoLinksAndFallsBackToTheSiteIndex) {
  const char* const kIndex = "../../index.html";
  for (const auto& [links, forward, back] : {std::tuple{2, "l1.html", kIndex},
                                             std::tuple{3, kIndex, "l2.html"},
                                             std::tuple{5, "l1.html", "l2.html"}}) {
    std::string div;
    for (int i = 1; i <= links; ++i) div += "<A HREF=\"l" + std::to_string(i) + ".html\">x</A> ";
    Load(div + "</DIV><P>after</HTML>");
    ReadCrosslinks(page);
    EXPECT_EQ(page.ForwardTarget + " " + page.BackTarget, std::string(forward) + " " + back);
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(run.Reader.PageText().substr(run.Reader.PagePos()), "<P>after</HTML>");
  }
}

TEST_F(RewriteTest, SectionMarkWritesTheLabelOfTheBlocksPictureElseTheBlockAsRead) {
  const std::string script = "<SCRIPT ID=\"zq_x_3\" LANGUAGE=\"JavaScript\">rot_text(document, \"";
  for (const auto& [picture, label] :
       {std::pair{"illu.gif", "Illustration"}, std::pair{"adva.png", "Advanced"},
        std::pair{"basics.gif", "Basics"}, std::pair{"hidden_yellow.png", "Hidden"},
        std::pair{"science.gif", "Science"}}) {
    Load(std::string("<IMG SRC=\"../../styles/") + picture + "\"> text</div>rest</HTML>");
    EXPECT_EQ(Fresh([&] { SectionMark(page); }), script + label + "\")</SCRIPT></DIV>");
  }
  // No known picture (the names are case-sensitive), and a page that ends inside the block.
  for (const auto& [text, written] :
       {std::pair{"<IMG SRC=\"ILLU.GIF\"> <B>bold</B> </DIV>rest</HTML>",
                  "<IMG SRC=\"ILLU.GIF\"> <B>bold</B> </DIV>"},
        std::pair{"<B>b</B> end</HTML>", "<B>b</B> end</HTML></DIV>"}}) {
    Load(text);
    EXPECT_EQ(Fresh([&] { SectionMark(page); }), written);
  }
}

const std::string kHome = "<A HREF=\"../../index.html\" TARGET=\"_top\" ONCLICK=\"javascript: "
                          "document.cookie='UXLL='+document.location.href+';path=/;SameSite=Lax'"
                          "\"><IMG\n";
const std::string kRule = "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">\n";
// The index button line with the frame text, broken at the first blank from column 120.
const std::string kIndexLines =
    "SRC=\"../../styles/index.png\" ALT=\"With frame\" TITLE=\"With frame\" ALIGN=\"MIDDLE\" "
    "BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"> \nWith frame</A>\n";
const std::string kGoTo = "SRC=\"../../styles/zu_zu.png\" ALT=\"go to\" TITLE=\"go to\"\n";
const std::string kGoToSize =
    "ALIGN=\"MIDDLE\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\">\n";

class PageEndTest : public RewriteTest {
 protected:
  PageEndTest() {
    options.HomeLink = "../../index.html\" TARGET=\"_top";
    files.AddFolder("d:/site/kap01");
    options.Set_to_English = true;
    run.SaveProjectname = "Kesta";
    SiteDatabase& base = database;
    // r_se1 and r_se3 link to the page x (index 3), after the start file (node index 0).
    for (const char* name : {"r_se1", "r_se3", "x"}) {
      const int32_t i = base.AddFile(std::string("d:/site/kap01/") + name + ".html", 0, "");
      base.Titles()[static_cast<size_t>(i)] = std::string("Title ") + name;
    }
    base.AppendLinkedFrom(3, 1, "sec2");
    base.AppendLinkedFrom(3, 2, "#top");
    page.FileIndex = 3;
    page.SourceName = page.TargetName = "d:/site/kap01/x.html";
  }

  // The saved page after `write`, which follows the pending line "end of text".
  std::string Written(const std::function<void()>& write) {
    run.Writer.BeginOutput("d:/site/kap01/out.html");
    run.Writer.WriteText("end of text");
    write();
    return files.Contents("d:/site/kap01/out.html").value_or("(not saved)");
  }
  std::string EndPage() { return Written([&] { EndOfPage(page); }); }
};

// A whole table bar in English with PNG buttons is compared with the chapter contents; the
// sample's converter chapter shows the bar with its section pages and the back link of an Li1
// page, which leads to the site index.
TEST_F(PageEndTest, TableBarBackLinksOfSubPagesAndTheBarWithoutPdf) {
  run.PrevSectionPage = "r_se2.html";
  run.SectionPage = "r_se3.html";
  const auto back_of = [&](bool sub_page) {
    return Written([&] { TableBar(run, "", "r_su1.html", "d:/site/kap01/x.html", sub_page); });
  };
  EXPECT_NE(back_of(false).find("go_ba_ck\" HREF=\"r_se2.html\""), std::string::npos);
  EXPECT_NE(back_of(true).find("go_ba_ck\" HREF=\"r_se3.html\""), std::string::npos);
  EXPECT_NE(back_of(true).find("\"28\"></A></TD></TR></TABLE>\n<P CLASS"), std::string::npos);
}

TEST_F(PageEndTest, GoToBarLeadsToTheSectionPageTitledByItsLinkingPageElseByItsName) {
  page.IsSubPage = page.HasCrosslinks = true;
  page.TargetName = "d:/site/kap01/r_su2.html";
  for (const std::string section : {"r_se3.html", "r_se9.html"}) {
    run.SectionPage = section;
    EXPECT_EQ(EndPage(),
              "end of text\n" + kRule + "<P>" + kHome + kIndexLines +
                  "<A HREF=\"r_su2.pdf\"><IMG\nSRC=\"../../styles/pdf_logo.png\" ALT=\"as PDF\" "
                  "TITLE=\"as PDF\" ALIGN=\"MIDDLE\" BORDER=\"0\" WIDTH=\"40\" HEIGHT=\"40\" "
                  "HSPACE=\"90\"></A> \n</P>\n<P><A id=\"go_for_ward\" HREF=\"" + section +
                  "#tail" + section + "\"><IMG\n" + kGoTo + " " + kGoToSize +
                  (section == "r_se3.html" ? "Title r_se3" : section) +
                  " </A></P>\n<P CLASS=\"footer\">Author: Anvelt, Kesta</P></BODY></HTML>\n");
  }
}

TEST_F(PageEndTest, SubFolderBarWritesOneGoToLinePerLinkingPage) {
  options.tex_html = false;
  page.InSubFolder = page.BodyEnded = true;
  page.SourceName = "d:/site/kap01/illustr/x.html";
  EXPECT_EQ(EndPage(),
            "end of text\n" + kRule + "<P>" + kHome + kIndexLines +
                "<A HREF=\"x.pdf\"><IMG\nSRC=\"../../styles/pdf_logo.png\" ALT=\"as PDF\" "
                "TITLE=\"as PDF\" ALIGN=\"MIDDLE\" BORDER=\"0\" WIDTH=\"40\" HEIGHT=\"40\" "
                "HSPACE=\"90\"></A></P>\n"
                "<P><A id=\"go_for_ward\" HREF=\"../r_se1.html#sec2\"><IMG\n" + kGoTo + kGoToSize +
                "Title r_se1 </A></P>\n"
                "<P><A HREF=\"../r_se3.html#top\"><IMG\n" + kGoTo + kGoToSize +
                "Title r_se3 </A></P>\n"
                "<P CLASS=\"footer\">Author: Brisco, Kesta</P></BODY></HTML>\n  \n  \n");
}

TEST_F(PageEndTest, PageEndsWithoutABar) {
  for (const auto& [tex, no_frames, body_ended, out] :
       {std::tuple{false, true, true, "end of text</BODY></NOFRAMES></HTML>\n  \n  \n"},
        std::tuple{false, false, true, "end of text\n</BODY></HTML>\n  \n  \n"},
        std::tuple{false, false, false, "end of text</HTML>\n  \n  \n"},
        std::tuple{true, false, true, "end of text</BODY></HTML>\n"}}) {
    options.tex_html = tex;
    page.InNoFrames = no_frames;
    page.BodyEnded = body_ended;
    EXPECT_EQ(EndPage(), out);
  }
}

}  // namespace
}  // namespace check_html
