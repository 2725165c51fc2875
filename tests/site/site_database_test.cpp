#include "site/site_database.h"

#include <gtest/gtest.h>

#include <map>
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

TEST(SiteDatabase, KeepsFilesWithTheirLinksPicturesAndFoldersOnceAndAnchorsCutTo63) {
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

// Random adds and renames (which make entries equal and part them again) against the plain
// rule: a lookup gives the lowest entry with the path, a renamed entry only under its new name.
// Few distinct paths and many entries give long probe runs, wrapping ones included, and frees in
// the middle of them.
TEST(SiteDatabase, LookupFindsTheLowestEntryOfAPathThroughAddsAndRenames) {
  std::mt19937 random(7);
  SiteDatabase db;
  std::vector<std::string> paths(1);
  for (int step = 0; step < 6000; ++step) {
    const std::string path = "p" + std::to_string(random() % 3000);
    if (paths.size() < 3 || random() % 3 == 0) {
      db.AddFile(path, 0, "");
      paths.push_back(path);
    } else {
      const auto i = static_cast<int32_t>(1 + random() % (paths.size() - 1));
      db.ReplaceFile(i, path);
      paths[static_cast<size_t>(i)] = path;
    }
    if (step % 500 != 0 && step != 5999) continue;
    std::map<std::string, int32_t> lowest;
    for (size_t i = paths.size() - 1; i >= 1; --i) lowest[paths[i]] = static_cast<int32_t>(i);
    for (int p = 0; p < 3000; ++p) {
      const std::string probe = "p" + std::to_string(p);
      ASSERT_EQ(db.FindFile(probe), lowest.contains(probe) ? lowest[probe] : 0)
          << probe << " at " << step;
    }
  }
}

}  // namespace
}  // namespace check_html
