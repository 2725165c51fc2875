#include "platform/memory_file_system.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

TEST(MemoryFileSystem, LogsEachChangeUnderTheStoredNames) {
  MemoryFileSystem files;
  files.AddFile("D:\\Site\\Kap1\\Page.htm", "old");
  ASSERT_EQ(files.WriteFile("d:/site/KAP1/PAGE.HTM", "new"), FileStatus::kOk);
  ASSERT_TRUE(files.Rename("d:/site/kap1/page.htm", "D:/SITE/kap1/page.bak"));
  ASSERT_EQ(files.WriteFile("d:/site/kap1/page.htm", "newer"), FileStatus::kOk);
  ASSERT_TRUE(files.Copy("d:/site/kap1/page.htm", "d:/site/copy.htm", true));
  ASSERT_TRUE(files.Remove("d:\\site\\kap1\\PAGE.BAK"));
  ASSERT_TRUE(files.MakeFolder("d:/site/kap1/new/deeper"));
  ASSERT_FALSE(files.Rename("d:/site/copy.htm", "d:/site/kap1/page.htm"));  // not logged

  EXPECT_EQ(files.Log(), (std::vector<std::string>{
                             "write D:/Site/Kap1/Page.htm",
                             "rename D:/Site/Kap1/Page.htm -> D:/Site/Kap1/page.bak",
                             "write D:/Site/Kap1/page.htm",
                             "copy D:/Site/Kap1/page.htm -> D:/Site/copy.htm",
                             "remove D:/Site/Kap1/page.bak",
                             "make folder D:/Site/Kap1/new/deeper",
                         }));
  EXPECT_EQ(files.Files(),
            (std::vector<std::string>{"D:/Site/copy.htm", "D:/Site/Kap1/page.htm"}));
  EXPECT_EQ(files.Contents("d:/site/copy.htm"), "newer");
  EXPECT_EQ(files.Contents("d:/site/kap1/page.bak"), std::nullopt);
}

}  // namespace
}  // namespace check_html
