// Windows keeps names in Unicode: a folder entry that Windows-1252 cannot hold is reported and
// skipped, never handed on in a mangled form that names another file or none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/disk_file_system.h"
#include "temp_folder.h"

namespace check_html {
namespace {

TEST(DiskNames, ANameWindows1252CannotHoldIsReportedAndSkipped) {
  TempFolder temp;
  temp.Put("\xE4.htm", "");  // held by Windows-1252
  std::ofstream(std::filesystem::path(temp.Path()) / L"\u4E2D.htm");
  DiskFileSystem disk;
  std::vector<std::string> reported;
  disk.SetNameReport([&reported](const std::string& line) { reported.push_back(line); });
  const std::vector<FolderEntry> entries = disk.ListFolder(temp.Path(), "*");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "\xE4.htm");
  EXPECT_EQ(reported,
            std::vector<std::string>{"!!!Name not in Windows-1252, skipped: " + temp.Path() + "\\?.htm"});
}

}  // namespace
}  // namespace check_html
