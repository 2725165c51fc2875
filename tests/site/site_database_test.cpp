#include "site/site_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace check_html {
namespace {

std::vector<int32_t> Indexes(const std::vector<LinkNode>& nodes) {
  std::vector<int32_t> result;
  for (const LinkNode& node : nodes) result.push_back(node.Index);
  return result;
}

TEST(SiteDatabase, AddsFilesWithOneIncomingLinkAndCutsAnchorsTo63) {
  SiteDatabase db;
  EXPECT_EQ(db.AddFile("c:/site/r1.html", 0, ""), 1);
  EXPECT_EQ(db.AddFile("c:/site/a.html", 1, std::string(70, 'n')), 2);
  db.AppendLinkedFrom(2, 1, std::string(64, 'm'));
  EXPECT_EQ(db.FileCount(), 2);
  EXPECT_EQ(db.Titles().size(), 3u);
  EXPECT_EQ(Indexes(db.FileRecords()[1].LinkedFrom), std::vector<int32_t>{0});
  const std::vector<LinkNode>& from = db.FileRecords()[2].LinkedFrom;
  ASSERT_EQ(Indexes(from), (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(from[0].Anchor, std::string(63, 'n'));
  EXPECT_EQ(from[1].Anchor, std::string(63, 'm'));
  EXPECT_THROW(db.AppendLinksTo(3, 1), std::out_of_range);
}

// Random adds and replacements over a few paths, checked against a linear first-match scan: a
// replaced entry is found under its new name only, and of equal entries always the lowest.
TEST(SiteDatabase, LookupAgreesWithALinearScanThroughAnyReplacements) {
  const std::vector<std::string> paths = {"a.htm", "a.html", "b.htm", "b.html", "c"};
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  SiteDatabase db;
  std::vector<std::string> reference(1);
  for (int step = 0; step < 2000; ++step) {
    const std::string& path = paths[pick(paths.size())];
    if (reference.size() < 3 || pick(3) == 0) {
      db.AddFile(path, 0, "");
      reference.push_back(path);
    } else {
      const std::size_t i = 1 + pick(reference.size() - 1);
      db.ReplaceFile(static_cast<int32_t>(i), path);
      reference[i] = path;
    }
    for (const std::string& probe : paths) {
      const auto first = std::find(reference.begin() + 1, reference.end(), probe);
      const auto expected = first == reference.end() ? 0 : first - reference.begin();
      ASSERT_EQ(db.FindFile(probe), expected) << "step " << step << " " << probe;
    }
  }
}

TEST(SiteDatabase, PicturesAndFoldersAreKeptOnce) {
  SiteDatabase db;
  db.AddFile("p.html", 0, "");
  db.AddFile("q.html", 1, "");
  EXPECT_EQ(db.AddPicture("x.gif", true, 1), 1);
  EXPECT_EQ(db.AddPicture("y.gif", false, 1), 2);
  EXPECT_EQ(db.AddPicture("x.gif", false, 2), 1);  // present: nothing changes
  db.AppendUsedBy(1, 2);
  EXPECT_EQ(db.PicCount(), 2);
  EXPECT_EQ(db.FindPicture("y.gif"), 2);
  EXPECT_TRUE(db.PicRecords()[1].Exists);
  EXPECT_EQ(Indexes(db.PicRecords()[1].UsedBy), (std::vector<int32_t>{1, 2}));

  EXPECT_TRUE(db.AddFolder("c:/s/"));
  EXPECT_TRUE(db.AddFolder("c:/s/kap1/"));
  EXPECT_FALSE(db.AddFolder("c:/s/"));
  EXPECT_EQ(std::vector<std::string>(db.Folders().begin() + 1, db.Folders().end()),
            (std::vector<std::string>{"c:/s/", "c:/s/kap1/"}));
}

}  // namespace
}  // namespace check_html
