#include "maint/page_list_update.h"

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "site/page_lists.h"
#include "../run/run_fixture.h"

namespace check_html {
namespace {

using Pages = std::vector<std::string>;

class PageListUpdateTest : public ::testing::Test, protected RunParts<MemoryFileSystem> {
 protected:
  static void Fill(PageList& list, const Pages& pages) {
    list.Reset("zq");
    for (const std::string& page : pages) list.Add(page);
  }
  Pages Logs() const {
    Pages logs;
    for (const std::string& event : front_end.Events()) logs.push_back(event.substr(4));
    return logs;
  }

};

TEST_F(PageListUpdateTest, WithBindBackPutsTheBackboneFirstThenTheSortedChapterPages) {
  Fill(lists.BackboneList, {"D:\\Web\\ZQ\\html\\kap01\\backbone\\r1.html", "d:\\web\\zq\\html\\kap01\\backbone\\r1_1.html"});
  Fill(lists.CleanedList, {"d:/web/zq/html/kap01/backbone/r1_1.html", "d:/web/zq/html/kap02/illustr/b.html",
                     "d:/web/zq/other/x.html", "D:/Web/ZQ/html/kap01/basics/a.html"});
  run.BindBack = true;
  UpdatePageLists(run);
  const Pages repaired = {"zq", "d:\\web\\zq\\html\\kap01\\backbone\\r1.html",
                          "d:\\web\\zq\\html\\kap01\\backbone\\r1_1.html",
                          "d:\\web\\zq\\html\\kap01\\basics\\a.html",
                          "d:\\web\\zq\\html\\kap02\\illustr\\b.html"};
  EXPECT_EQ(lists.CleanedList.Snapshot(), repaired);
  EXPECT_EQ(lists.BackboneList.Snapshot(), Pages(repaired.begin(), repaired.begin() + 3));
  EXPECT_EQ(lists.RootPrefix(), "d:\\web\\zq\\html\\kap");
  EXPECT_EQ(Logs(), (Pages{repaired[1], repaired[2], "2", repaired[1], repaired[2], repaired[3],
                           repaired[4], "4"}));
}

TEST_F(PageListUpdateTest, WithoutBindBackCopiesTheCleanedPagesOverTheBackbone) {
  Fill(lists.BackboneList, {"old"});
  Fill(lists.CleanedList, {"D:/Web/A.html", "d:/web/b.html"});
  UpdatePageLists(run);
  const Pages pages = {"zq", "d:\\web\\a.html", "d:\\web\\b.html"};
  EXPECT_EQ(lists.CleanedList.Snapshot(), pages);
  EXPECT_EQ(lists.BackboneList.Snapshot(), pages);
  EXPECT_EQ(Logs(), (Pages{pages[1], pages[2], "2"}));
}

TEST_F(PageListUpdateTest, DoesNothingOnceTheRunWasAskedToStop) {
  Fill(lists.CleanedList, {"D:/Web/A.html"});
  run.RequestStop();
  UpdatePageLists(run);
  EXPECT_EQ(lists.CleanedList.Get(1), "D:/Web/A.html");
  EXPECT_EQ(Logs(), Pages{});
}

}  // namespace
}  // namespace check_html
