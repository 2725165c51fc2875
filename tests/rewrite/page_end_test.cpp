#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "rewrite/button_templates.h"
#include "rewrite/navigation_bars.h"
#include "rewrite_fixture.h"
#include "site/site_database.h"

namespace check_html {
namespace {

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
    UsePngButtonForms();
    HomeLink = "../../index.html\" TARGET=\"_top";
    files.AddFolder("d:/site/kap01");
    Set_to_English = true;
    run.SaveProjectname = "Kesta";
    run.Database = std::make_unique<SiteDatabase>();
    SiteDatabase& base = *run.Database;
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
  ~PageEndTest() override { UsePngButtonForms(); }

  // The saved page after `write`, which follows the pending line "end of text".
  std::string Written(const std::function<void()>& write) {
    run.Writer.BeginOutput("d:/site/kap01/out.html");
    run.Writer.WriteText("end of text");
    write();
    return files.Contents("d:/site/kap01/out.html").value_or("(not saved)");
  }
  std::string EndPage() { return Written([&] { EndOfPage(page); }); }
};

TEST_F(PageEndTest, TableBarWithSectionSubstitutionsAndPdfCell) {
  page.HasCrosslinks = true;
  page.TargetName = "d:/site/kap01/r_se3.html";
  page.ForwardTarget = "r_su4.html";
  page.BackTarget = "r_su2.html";
  run.PrevSectionPage = "r_se2.html";
  run.NextSectionPage = "r_se4.html";
  EXPECT_EQ(EndPage(),
            "end of text\n" + kRule + "<TABLE BORDER=\"0\">\n<TR>\n<TD VALIGN=\"MIDDLE\">" + kHome +
                "SRC=\"../../styles/index.png\" ALT=\"With frame\" TITLE=\"With frame\" "
                "BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>\n"
                "<TD VALIGN=\"MIDDLE\"><A id=\"go_ba_ck\" HREF=\"r_se2.html\"><IMG\n"
                "SRC=\"../../styles/zurueck.png\" ALT=\"Back\" TITLE=\"Back\" BORDER=\"0\" "
                "HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>\n"
                "<TD VALIGN=\"MIDDLE\"><A id=\"go_for_ward\" HREF=\"r_se4.html\"><IMG\n"
                "SRC=\"../../styles/weiter.png\" ALT=\"Forward\" TITLE=\"Forward\" BORDER=\"0\" "
                "HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>\n"
                "<TD VALIGN=\"MIDDLE\" WIDTH=\"120\" ALIGN=\"RIGHT\"><A HREF=\"r_se3.pdf\"><IMG\n"
                "SRC=\"../../styles/pdf_logo.png\" ALT=\"as PDF\" TITLE=\"as PDF\" BORDER=\"0\" "
                "WIDTH=\"40\" HEIGHT=\"40\"></A></TD></TR></TABLE>\n"
                "<P CLASS=\"footer\">Author: Anvelt, Kesta</P></BODY></HTML>\n  \n  \n");
}

TEST_F(PageEndTest, TableBarBackLinksOfSubPagesAndLi1PagesAndTheBarWithoutPdf) {
  run.PrevSectionPage = "r_se2.html";
  run.SectionPage = "r_se3.html";
  const auto back_of = [&](bool sub_page) {
    return Written([&] { TableBar(run, "", "r_su1.html", "d:/site/kap01/x.html", sub_page); });
  };
  EXPECT_NE(back_of(false).find("go_ba_ck\" HREF=\"r_se2.html\""), std::string::npos);
  EXPECT_NE(back_of(true).find("go_ba_ck\" HREF=\"r_se3.html\""), std::string::npos);
  EXPECT_NE(back_of(true).find("\"28\"></A></TD></TR></TABLE>\n<P CLASS"), std::string::npos);
  page.HasCrosslinks = page.IsLi1Page = true;
  page.BackTarget = "r_se1.html";
  EXPECT_NE(EndPage().find("go_ba_ck\" HREF=\"../../index.html\""), std::string::npos);
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
  tex_html = false;
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
    tex_html = tex;
    page.InNoFrames = no_frames;
    page.BodyEnded = body_ended;
    EXPECT_EQ(EndPage(), out);
  }
}

TEST_F(PageEndTest, GermanTextsAndGifButtons) {
  UseGifButtons();
  Set_to_English = false;
  page.HasCrosslinks = true;
  page.TargetName = "d:/site/kap01/r_se3.html";
  const std::string table = EndPage();
  tex_html = false;
  page.InSubFolder = true;
  const std::string sub_folder = EndPage();
  for (const char* text : {"Mit Frame", "\"Zurueck", "\"Weiter", "\"als PDF", "Autor: Anvelt",
                           "zurueck.gif", "weiter.gif", "pdf_logo.gif"}) {
    EXPECT_NE(table.find(text), std::string::npos) << text;
  }
  for (const char* text : {"Mit Frame", "\"as PDF", "\"gehe zu", "index.gif", "zu_zu.gif"}) {
    EXPECT_NE(sub_folder.find(text), std::string::npos) << text;
  }
  EXPECT_EQ((table + sub_folder).find(".png"), std::string::npos);
}

}  // namespace
}  // namespace check_html
