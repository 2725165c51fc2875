#include <gtest/gtest.h>

#include "driver_fixture.h"

namespace check_html {
namespace {

constexpr const char* kPage = "<p>x</p></html>\n";

using RewriteAllPagesTest = DriverTest;

TEST_F(RewriteAllPagesTest, RewritesEveryFoundPageOnceUnderItsNewName) {
  AddPage("d:/s/x.htm", "<p>old x</p></html>\n");
  AddEntry("d:/s/x.htm", true);  // the crawl met x.htm twice
  AddPage("d:/s/y.html", kPage);
  AddPage("d:/s/p.gif", "GIF89a");
  AddEntry("d:/s/missing.html", false);
  AddPage("d:/s/index.html", kPage);
  files.ClearLog();
  run.RewriteAllPages();

  const auto table = run.Database->Files();
  EXPECT_EQ(std::vector<std::string>(table.begin() + 1, table.end()),
            (std::vector<std::string>{"d:/s/x.html", "d:/s/x.html", "d:/s/y.html", "d:/s/p.gif",
                                      "d:/s/missing.html", "d:/s/index.html"}));
  EXPECT_EQ(CleanedList.Snapshot(), (std::vector<std::string>{"zq", "d:/s/x.html", "d:/s/y.html"}));
  EXPECT_EQ(files.Log(), (std::vector<std::string>{
                             "rename d:/s/x.htm -> d:/s/x.bak", "write d:/s/x.html",
                             "rename d:/s/y.html -> d:/s/y.bak", "write d:/s/y.html"}));
  EXPECT_EQ(Text("d:/s/x.bak"), "<p>old x</p></html>\n");
}

TEST_F(RewriteAllPagesTest, DoesNotMoveAPageOntoAnotherFile) {
  AddPage("d:/s/x.htm", "<p>x.htm</p></html>\n");
  AddPage("d:/s/x.html", kPage);
  run.RewriteAllPages();
  EXPECT_EQ(run.Database->Files()[1], "d:/s/x.htm");
  EXPECT_EQ(Text("d:/s/x.htm"), "<p>x.htm</p></html>\n");
  EXPECT_EQ(Text("d:/s/x.bak"), kPage);
  EXPECT_EQ(front_end.Events().front(), "log !!!Page not moved, the new name exists: d:/s/x.htm");
}

// With BindNoBack only pages below the chapter folders are rewritten; in a chapter's sub-folder
// the house rule ends the page and the old bar after it gives way to the new one.
TEST_F(RewriteAllPagesTest, BindsOnlyChapterPagesAndEndsSubFolderPagesAtTheRule) {
  run.BindNoBack = true;
  BackboneList.Set(1, "d:\\s\\kap01\\backbone\\r1.html");
  AddPage("d:/s/kap02/illustr/f.html",
          "<p>f</p><HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">old bar</html>\n");
  AddPage("d:/other/o.html", kPage);
  run.RewriteAllPages();
  BackboneList.Set(1, "");
  EXPECT_EQ(RootPrefix(), "d:/s/kap");
  EXPECT_EQ(CleanedList.Snapshot(), (std::vector<std::string>{"zq", "d:/s/kap02/illustr/f.html"}));
  EXPECT_EQ(Text("d:/s/kap02/illustr/f.html").find("old bar"), std::string::npos);
}

TEST_F(RewriteAllPagesTest, AStopRequestEndsThePassBeforeTheNextPage) {
  AddPage("d:/s/a.html", kPage);
  AddPage("d:/s/b.html", kPage);
  front_end.on_log = [this](const std::string&) { run.RequestStop(); };
  run.RewriteAllPages();
  EXPECT_EQ(CleanedList.Snapshot(), (std::vector<std::string>{"zq", "d:/s/a.html"}));
}

}  // namespace
}  // namespace check_html
