#include "rewrite/navigation_bars.h"

#include <string>
#include <tuple>
#include <utility>

#include "rewrite_fixture.h"

namespace check_html {
namespace {

TEST(NavigationBars, PageNameTestsForPdfButtonsAndSubPages) {
  struct Case {
    std::string path, base;
    bool pdf;
  };
  for (const Case& c : {Case{"d:/kap01/r_se3.html", "r_se3", true},
                        Case{"d:\\kap01\\r_su2.htm", "r_su2", true},
                        Case{"../x.v2/reuse.html", "reuse", true},
                        Case{"d:/kap01/r_SE3.html", "r_SE3", false},
                        Case{"readme", "readme", false}}) {
    std::string path = c.path;
    EXPECT_EQ(PdfBaseName(path), c.pdf) << c.path;
    EXPECT_EQ(path, c.base);
  }
  for (const char* yes : {"r_su2.html", "r_SU2.htm", "a/r_su12.html", "r_su123.html", "su1.html"}) {
    EXPECT_TRUE(IsSubPageName(yes)) << yes;
  }
  for (const char* no : {"r_su1234.html", "r_su.html", "r_se2.html", "../../index.html", "u1.h"}) {
    EXPECT_FALSE(IsSubPageName(no)) << no;
  }
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
    run.Writer.BeginOutput(page.TargetName);
    Load(std::string("<IMG SRC=\"../../styles/") + picture + "\"> text</div>rest</HTML>");
    SectionMark(page);
    EXPECT_EQ(Output(), script + label + "\")</SCRIPT></DIV>");
  }
  // No known picture (the names are case-sensitive), and a page that ends inside the block.
  for (const auto& [text, written] :
       {std::pair{"<IMG SRC=\"ILLU.GIF\"> <B>bold</B> </DIV>rest</HTML>",
                  "<IMG SRC=\"ILLU.GIF\"> <B>bold</B> </DIV>"},
        std::pair{"<B>b</B> end</HTML>", "<B>b</B> end</HTML></DIV>"}}) {
    run.Writer.BeginOutput(page.TargetName);
    Load(text);
    SectionMark(page);
    EXPECT_EQ(Output(), written);
  }
}

}  // namespace
}  // namespace check_html
