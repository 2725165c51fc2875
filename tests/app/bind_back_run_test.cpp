// A chapter-binding run over a copy of the sample site, started from chapter 1's contents page.
// The expected pages under tests/data/sample_site/bind_back were checked by hand against the
// binding rules and the sample's backbone pages.
#include <gtest/gtest.h>

#include "html/path_text.h"
#include "platform/case_map.h"
#include "sample_site_run.h"
#include "site/page_lists.h"

namespace check_html {
namespace {

using BindBackRun = SampleSiteRun;

// The rewrite after the binding moves every page to its ".bak" name, so the backups hold what
// the binding wrote: the regenerated contents pages and the backbone pages cut at their old bar
// (or body end) with a new bar. Chapter 4 has no r4 page, so the chain ends with chapter 3. The
// backbone list holds the chapters' pages in chapter and name order, lower case and in backslash
// form after the end-of-run update.
TEST_F(BindBackRun, BindsTheThreeChaptersAndListsTheirPagesInChapterOrder) {
  ASSERT_EQ(Run({"--set", "tex_html=0", "--set", "BindBack=1"}, "kap01/backbone/r1.html"),
            kExitRunEnded);
  std::vector<std::string> backbone = {"zq"};
  for (const std::string page : {"kap01/backbone/r1", "kap01/backbone/r1_1", "kap01/backbone/r1_2",
                                 "kap02/backbone/r2", "kap02/backbone/r2_1", "kap03/backbone/r3",
                                 "kap03/backbone/r3_1", "kap03/backbone/r3_2"}) {
    EXPECT_EQ(ReadWhole(Html() / (page + ".bak")),
              ReadWhole(kExpected / "bind_back" / (page + ".html")))
        << page;
    backbone.push_back(SlashToBack(LowerCase((Html() / (page + ".html")).string())));
  }
  EXPECT_EQ(BackboneList.Snapshot(), backbone);
}

}  // namespace
}  // namespace check_html
