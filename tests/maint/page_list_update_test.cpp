#include "maint/page_list_update.h"

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "site/page_lists.h"
#include "../shell/recording_run.h"

namespace check_html {
namespace {

using Pages = std::vector<std::string>;

class PageListUpdateTest : public ::testing::Test {
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

  MemoryFileSystem files;
  RecordingFrontEnd front_end;
  THTML_Thread run{front_end, files};
};

TEST_F(PageListUpdateTest, WithBindBackPutsTheBackboneFirstThenTheSortedChapterPages) {
  Fill(BackboneList, {"D:\\Web\\ZQ\\html\\kap01\\backbone\\r1.html", "d:\\web\\zq\\html\\kap01\\backbone\\r1_1.html"});
  Fill(CleanedList, {"d:/web/zq/html/kap01/backbone/r1_1.html", "d:/web/zq/html/kap02/illustr/b.html",
                     "d:/web/zq/other/x.html", "D:/Web/ZQ/html/kap01/basics/a.html"});
  run.BindBack = true;
  UpdatePageLists(run);
  const Pages repaired = {"zq", "d:\\web\\zq\\html\\kap01\\backbone\\r1.html",
                          "d:\\web\\zq\\html\\kap01\\backbone\\r1_1.html",
                          "d:\\web\\zq\\html\\kap01\\basics\\a.html",
                          "d:\\web\\zq\\html\\kap02\\illustr\\b.html"};
  EXPECT_EQ(CleanedList.Snapshot(), repaired);
  EXPECT_EQ(BackboneList.Snapshot(), Pages(repaired.begin(), repaired.begin() + 3));
  EXPECT_EQ(RootPrefix(), "d:\\web\\zq\\html\\kap");
  EXPECT_EQ(Logs(), (Pages{repaired[1], repaired[2], "2", repaired[1], repaired[2], repaired[3],
                           repaired[4], "4"}));
}

TEST_F(PageListUpdateTest, WithoutBindBackCopiesTheCleanedPagesOverTheBackbone) {
  Fill(BackboneList, {"old"});
  Fill(CleanedList, {"D:/Web/A.html", "d:/web/b.html"});
  UpdatePageLists(run);
  const Pages pages = {"zq", "d:\\web\\a.html", "d:\\web\\b.html"};
  EXPECT_EQ(CleanedList.Snapshot(), pages);
  EXPECT_EQ(BackboneList.Snapshot(), pages);
  EXPECT_EQ(Logs(), (Pages{pages[1], pages[2], "2"}));
}

TEST_F(PageListUpdateTest, DoesNothingOnceTheRunWasAskedToStop) {
  Fill(CleanedList, {"D:/Web/A.html"});
  run.RequestStop();
  UpdatePageLists(run);
  EXPECT_EQ(CleanedList.Get(1), "D:/Web/A.html");
  EXPECT_EQ(Logs(), Pages{});
}

}  // namespace
}  // namespace check_html
