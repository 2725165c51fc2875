#include "rewrite/section_names.h"

#include <gtest/gtest.h>

#include "rewrite_fixture.h"

namespace check_html {
namespace {

// Pages met in this order; the section fields only move for a higher number of one to three
// characters, and a number that does not convert counts as 0.
TEST_F(RewriteTest, SectionFieldsMoveOnlyForAHigherSectionNumber) {
  struct Row {
    const char *page, *section, *next, *previous;
    int32_t number;
  } rows[] = {
      {"d:/s/r_se3.html", "r_se3.html", "r_se4.html", "r_se2.html", 3},
      {"d:/s/r_se2.html", "r_se3.html", "r_se4.html", "r_se2.html", 3},
      {"d:/s/wave_SE12.htm", "wave_SE12.htm", "wave_se13.html", "wave_se11.html", 12},
      {"d:/s/phase_x.html", "wave_SE12.htm", "wave_se13.html", "wave_se11.html", 12},
      {"/a_se100.html", "/a_se100.html", "/a_se101.html", "/a_se99.html", 100},
  };
  for (const Row& row : rows) {
    MoveSectionFields(run, row.page);
    EXPECT_EQ((std::vector<std::string>{run.SectionPage, run.NextSectionPage,
                                        run.PrevSectionPage, std::to_string(run.SectionNo)}),
              (std::vector<std::string>{row.section, row.next, row.previous,
                                        std::to_string(row.number)}))
        << row.page;
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

}  // namespace
}  // namespace check_html
