#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "temp_folder.h"

namespace check_html {
namespace {

// The file's bytes, or "<unread>".
std::string Read(const FileSystem& files, const std::string& path) {
  std::string bytes;
  return files.ReadFile(path, bytes) == FileStatus::kOk ? bytes : "<unread>";
}

// The cached folder listing follows the program's own changes and still sees other programs'.
// Of two names that differ in case only, the exact one wins, else the first by upper case.
TEST(DiskFileSystem, CaseFoldedNamesFollowOwnAndOtherChangesOfASettledFolder) {
  TempFolder temp;
  temp.Put("Page.html", "page");
  temp.Put("Old.bak", "old");
  DiskFileSystem disk;
  const std::string dir = temp.Path() + "/";
  ASSERT_TRUE(disk.Exists(dir + "PAGE.HTML"));  // lists the folder once

  ASSERT_TRUE(disk.Remove(dir + "old.BAK"));
  ASSERT_TRUE(disk.Rename(dir + "page.html", dir + "Page.BAK"));
  ASSERT_EQ(disk.WriteFile(dir + "page.HTML", "new"), FileStatus::kOk);
  ASSERT_TRUE(disk.Copy(dir + "PAGE.bak", dir + "Copy.htm", true));
  ASSERT_TRUE(disk.Rename(dir + "copy.htm", dir + "COPY.htm"));  // case only
  EXPECT_FALSE(disk.Exists(dir + "OLD.bak"));
  EXPECT_EQ(Read(disk, dir + "page.bak") + " " + Read(disk, dir + "PAGE.html"), "page new");
  EXPECT_TRUE(disk.Exists(dir + "copy.HTM"));
  EXPECT_EQ(disk.ListFolder(temp.Path(), "*").size(), 3u);

  // Another program's change, a clock tick of the file times after our last one.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  temp.Put("Other.txt", "other");
  temp.Put("PAGE.HTML", "twin");
  EXPECT_TRUE(disk.Exists(dir + "other.TXT"));
  EXPECT_EQ(Read(disk, dir + "Page.Html"), "twin");  // "PAGE.HTML" sorts before "page.HTML"
  EXPECT_EQ(Read(disk, dir + "page.HTML"), "new");
}

// Files announced ahead are written as usual; nothing of the preparation stays behind.
TEST(DiskFileSystem, ExpectedWritesLeaveOnlyTheWrittenFiles) {
  TempFolder temp;
  temp.Put("a.html", "old a");
  temp.Put("sub/c.html", "old c");
  const std::string dir = temp.Path() + "/";
  chmod((dir + "a.html").c_str(), 0640);
  DiskFileSystem disk;
  disk.ExpectWrites({dir + "a.html", dir + "b.html", dir + "sub/c.html", dir + "d.html"});
  ASSERT_EQ(disk.WriteFile(dir + "a.html", "new a"), FileStatus::kOk);
  ASSERT_EQ(disk.WriteFile(dir + "report.html", "unexpected"), FileStatus::kOk);
  ASSERT_EQ(disk.WriteFile(dir + "SUB/C.html", "new c"), FileStatus::kOk);  // b given up
  disk.ExpectWrites({});  // d never written

  EXPECT_EQ(Read(disk, dir + "a.html") + " " + Read(disk, dir + "sub/c.html"), "new a new c");
  struct stat info {};
  stat((dir + "a.html").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.Path())) {
    names.push_back(entry.path().lexically_relative(temp.Path()).string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.html", "report.html", "sub", "sub/c.html"}));
}

TEST(DiskFileSystem, CopiesKeepBytesModeAndTimeAndReplacedFilesKeepTheirMode) {
  TempFolder temp;
  const std::string bytes("a\0b\r\n\xFF\xA7", 7);
  temp.Put("pic.gif", bytes);
  std::string source = temp.Path() + "/pic.gif";
  chmod(source.c_str(), 0600);
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  utimensat(AT_FDCWD, source.c_str(), times, 0);

  DiskFileSystem disk;
  ASSERT_TRUE(disk.Copy(source, temp.Path() + "/copy.gif", true));
  EXPECT_EQ(Read(disk, temp.Path() + "/copy.gif"), bytes);
  struct stat info {};
  stat((temp.Path() + "/copy.gif").c_str(), &info);
  EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);

  ASSERT_EQ(disk.WriteFile(temp.Path() + "/COPY.GIF", "replaced"), FileStatus::kOk);
  stat((temp.Path() + "/copy.gif").c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0600u);  // copied, and kept by a replaced file
}

// Every path to one file, through a folder linking to itself or in another letter case, gives
// the same identity; a missing file is named by its path.
TEST(DiskFileSystem, EveryPathToAFileGivesItsIdentity) {
  TempFolder temp;
  temp.Put("pages/Page.html", "page");
  std::filesystem::create_directory_symlink(".", temp.Path() + "/pages/loop");
  DiskFileSystem disk;
  const std::string dir = temp.Path() + "/pages/";
  const std::string identity = disk.FileIdentity(dir + "Page.html");
  EXPECT_EQ(disk.FileIdentity(dir + "loop/loop/PAGE.HTML"), identity);
  EXPECT_EQ(disk.FileIdentity(dir + "loop/../pages/page.html"), identity);
  EXPECT_EQ(disk.FileIdentity(dir + "missing.html"), dir + "missing.html");
}

}  // namespace
}  // namespace check_html
