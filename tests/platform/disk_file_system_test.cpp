#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace check_html {
namespace {

TEST(DiskFileSystem, PrefersTheExactNameElseTheFirstByUpperCaseName) {
  TempFolder temp;
  temp.Put("dup.htm", "lower");
  temp.Put("DUP.htm", "upper");
  DiskFileSystem disk;
  std::string bytes;
  ASSERT_EQ(disk.ReadFile(temp.Path() + "/dup.htm", bytes), FileStatus::kOk);
  EXPECT_EQ(bytes, "lower");
  ASSERT_EQ(disk.ReadFile(temp.Path() + "/Dup.HTM", bytes), FileStatus::kOk);
  EXPECT_EQ(bytes, "upper");  // "DUP.htm" sorts before "dup.htm" once both are upper case
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
  std::string copied;
  ASSERT_EQ(disk.ReadFile(temp.Path() + "/copy.gif", copied), FileStatus::kOk);
  EXPECT_EQ(copied, bytes);
  struct stat info {};
  stat((temp.Path() + "/copy.gif").c_str(), &info);
  EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);

  ASSERT_EQ(disk.WriteFile(temp.Path() + "/COPY.GIF", "replaced"), FileStatus::kOk);
  stat((temp.Path() + "/copy.gif").c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0600u);  // copied, and kept by a replaced file
}

}  // namespace
}  // namespace check_html
