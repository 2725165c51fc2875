// What the contract tests cannot see: the base is never touched, and the changes are reported
// as what they are, a moved base file by its old name.
#include "platform/overlay_file_system.h"

#include <tuple>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"

namespace check_html {
namespace {

using Kind = OverlayChange::Kind;

TEST(OverlayFileSystem, KeepsEveryChangeAndReportsItWithoutTouchingTheBase) {
  MemoryFileSystem base;
  base.AddFile("/s/Kap1/Page.htm", "old");
  base.AddFile("/s/kap1/page.bak", "older");
  base.AddFile("/s/gone.htm", "g");
  base.AddFile("/s/same.htm", "same");
  base.AddFile("/s/ro.htm", "ro");
  base.SetReadOnly("/s/ro.htm");
  OverlayFileSystem files(base);

  // A page's rewrite: the old backup goes, the page moves to it, the new text is written.
  ASSERT_TRUE(files.Remove("/s/KAP1/PAGE.BAK"));
  ASSERT_TRUE(files.Rename("/s/kap1/page.htm", "/s/kap1/page.bak"));
  ASSERT_EQ(files.WriteFile("/s/kap1/page.htm", "new"), FileStatus::kOk);
  ASSERT_TRUE(files.Remove("/s/gone.htm"));
  ASSERT_EQ(files.WriteFile("/s/same.htm", "same"), FileStatus::kOk);
  ASSERT_TRUE(files.MakeFolder("/s/made/deeper"));
  ASSERT_EQ(files.WriteFile("/s/made/deeper/x.txt", "x"), FileStatus::kOk);
  ASSERT_EQ(files.WriteFile("/s/tmp.txt", "t"), FileStatus::kOk);  // made and removed again
  ASSERT_TRUE(files.Remove("/s/tmp.txt"));
  ASSERT_TRUE(files.Copy("/s/kap1/page.bak", "/s/copy.htm", true));
  // Refused as the disk refuses them.
  EXPECT_EQ(files.WriteFile("/s/ro.htm", "lost"), FileStatus::kCannotOpen);
  EXPECT_FALSE(files.Remove("/s/ro.htm"));
  EXPECT_EQ(files.WriteFile("/s/nofolder/x.htm", "x"), FileStatus::kCannotOpen);

  // Reads see the base and the earlier writes.
  const std::tuple<const char*, const char*> reads[] = {
      {"/s/kap1/page.bak", "old"}, {"/s/KAP1/page.htm", "new"}, {"/s/gone.htm", "<unread>"},
      {"/s/made/deeper/x.txt", "x"}, {"/s/copy.htm", "old"}, {"/s/ro.htm", "ro"}};
  for (const auto& [path, expected] : reads) {
    std::string bytes;
    if (files.ReadFile(path, bytes) != FileStatus::kOk) bytes = "<unread>";
    EXPECT_EQ(bytes, expected) << path;
  }
  std::vector<std::string> listed;
  for (const FolderEntry& entry : files.ListFolder("/s", "*")) listed.push_back(entry.name);
  EXPECT_EQ(listed, (std::vector<std::string>{"copy.htm", "Kap1", "made", "ro.htm", "same.htm"}));

  EXPECT_TRUE(base.Log().empty());
  EXPECT_EQ(base.Contents("/s/kap1/page.bak"), "older");
  EXPECT_EQ(base.Contents("/s/gone.htm"), "g");
  EXPECT_FALSE(base.Exists("/s/made"));

  // path, kind, in the base before, bytes or source
  using Row = std::tuple<std::string, Kind, bool, std::string>;
  std::vector<Row> rows;
  for (const OverlayChange& change : files.Changes()) {
    rows.emplace_back(change.path, change.kind, change.in_base,
                      change.kind == Kind::kWritten ? *change.bytes : change.source);
  }
  EXPECT_EQ(rows, (std::vector<Row>{
                      {"/s/copy.htm", Kind::kFromBase, false, "/s/Kap1/Page.htm"},
                      {"/s/gone.htm", Kind::kRemoved, true, ""},
                      {"/s/same.htm", Kind::kWritten, true, "same"},
                      {"/s/Kap1/page.bak", Kind::kFromBase, true, "/s/Kap1/Page.htm"},
                      {"/s/Kap1/page.htm", Kind::kWritten, true, "new"},
                      {"/s/made/deeper/x.txt", Kind::kWritten, false, "x"},
                  }));
}

}  // namespace
}  // namespace check_html
