// The disk, the in-memory and the overlay file systems (over the disk and over memory) must
// agree: each case runs on all of them. The file masks they list by are tested first.

#include <tuple>

#include <gtest/gtest.h>

#include "platform/disk_file_system.h"
#include "platform/memory_file_system.h"
#include "platform/overlay_file_system.h"
#include "temp_folder.h"

namespace check_html {
namespace {

using Names = std::vector<std::string>;

TEST(FileMask, MatchesWindowsWildcardsOnLongNamesIgnoringCase) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"index.htm", "*.htm;*.html", true}, {"INDEX.HTML", "*.htm;*.html", true},
      {"x.html", "*.htm", false},  // no 8.3 short names on this system
      {"x.htm.bak", "*.htm", false},  {"a.b.htm", "*.htm", true},
      {"README", "*.*", true},  // "*.*" matches names without a dot as well
      {"index", "index.*", true},     {"indexes", "index.*", false},
      {"p1.htm", "p?.htm", true},     {"p.htm", "p?.htm", false},
      {"\xC4rger.htm", "\xE4*.HTM", true}, {"abcabd", "*abd", true},
      {"x.gif", " *.png ; *.gif ", true},  // blanks around masks do not count
      {"x.gif", "*.png;;", false},    {"anything", "", false},
  };
  for (const auto& [name, mask, matches] : cases) {
    EXPECT_EQ(MatchesMask(name, mask), matches) << name << " against " << mask;
  }
}

enum class Kind { kDisk, kMemory, kOverlayOnDisk, kOverlayOnMemory };

class FileSystemContract : public testing::TestWithParam<Kind> {
 protected:
  FileSystemContract() : root_(OnDisk() ? temp_.Path() : "/site") { memory_.AddFolder(root_); }

  static bool OnDisk() { return GetParam() == Kind::kDisk || GetParam() == Kind::kOverlayOnDisk; }
  FileSystem& Files() {
    switch (GetParam()) {
      case Kind::kDisk: return disk_;
      case Kind::kMemory: return memory_;
      case Kind::kOverlayOnDisk: return overlay_on_disk_;
      case Kind::kOverlayOnMemory: break;
    }
    return overlay_on_memory_;
  }
  std::string At(std::string_view relative) const { return root_ + "/" + std::string(relative); }

  // Set-up goes below the file system under test, an overlay's base included.
  void Put(std::string_view relative, std::string_view bytes) {
    if (OnDisk()) temp_.Put(relative, bytes);
    else memory_.AddFile(At(relative), bytes);
  }
  std::string Read(std::string_view relative) {
    std::string bytes;
    return Files().ReadFile(At(relative), bytes) == FileStatus::kOk ? bytes : "<unread>";
  }
  // Names in listing order, folders marked with a trailing "/".
  Names List(std::string_view relative, std::string_view mask = "*") {
    Names names;
    for (const FolderEntry& entry : Files().ListFolder(At(relative), mask)) {
      names.push_back(entry.name + (entry.is_folder ? "/" : ""));
    }
    return names;
  }

  TempFolder temp_;
  DiskFileSystem disk_;
  MemoryFileSystem memory_;
  OverlayFileSystem overlay_on_disk_{disk_};
  OverlayFileSystem overlay_on_memory_{memory_};
  std::string root_;
};

std::string KindName(const testing::TestParamInfo<Kind>& param) {
  const char* names[] = {"Disk", "Memory", "OverlayOnDisk", "OverlayOnMemory"};
  return names[static_cast<int>(param.param)];
}
INSTANTIATE_TEST_SUITE_P(All, FileSystemContract,
                         testing::Values(Kind::kDisk, Kind::kMemory, Kind::kOverlayOnDisk,
                                         Kind::kOverlayOnMemory),
                         KindName);

TEST_P(FileSystemContract, ResolvesEachNameIgnoringCaseAndCountsFoldersAsFound) {
  Put("kap1/backbone/x.htm", "x");
  Put("Kap2/Index.HTML", "i");
  Put("\xC4rger.htm", "a");
  Put("kap1/empty.htm", "");
  // path, exists, is a folder, contents
  const std::tuple<const char*, bool, bool, const char*> cases[] = {
      {"Kap1\\Backbone\\X.HTM", true, false, "x"},
      {"KAP1/backbone", true, true, "<unread>"},
      {"kap1\\backbone\\", true, true, "<unread>"},
      {"KAP1/backbone/../BACKBONE/./x.htm", true, false, "x"},
      {"kap2/index.html", true, false, "i"},
      {"\xE4RGER.HTM", true, false, "a"},
      {"KAP1/EMPTY.HTM", true, false, ""},
      {"kap1/backbone/y.htm", false, false, "<unread>"},
      {"kap1/backbone/x.htm/z", false, false, "<unread>"},
  };
  for (const auto& [path, exists, is_folder, contents] : cases) {
    EXPECT_EQ(std::tuple(Files().Exists(At(path)), Files().IsFolder(At(path)), Read(path)),
              std::tuple(exists, is_folder, std::string(contents)))
        << path;
  }
}

// One look-up answers as Exists, IsFolder and FileIdentity do, and names a place ReadFile opens.
TEST_P(FileSystemContract, FindAnswersAsTheSingleQuestionsDo) {
  Put("Kap1/Page.htm", "p");
  for (const char* path : {"kap1/page.htm", "KAP1\\PAGE.HTM", "Kap1/Page.htm", "kap1", "kap1/x.htm",
                           "kap1/page.htm/x", "kap2/page.htm"}) {
    const std::optional<FoundFile> found = Files().Find(At(path));
    ASSERT_EQ(found.has_value(), Files().Exists(At(path))) << path;
    if (!found) continue;
    EXPECT_EQ(found->is_folder, Files().IsFolder(At(path))) << path;
    EXPECT_EQ(found->identity, Files().FileIdentity(At(path))) << path;
    if (found->is_folder) continue;
    std::string bytes;
    EXPECT_EQ(Files().ReadFile(found->path, bytes), FileStatus::kOk) << path;
    EXPECT_EQ(bytes, Read(path)) << path;
  }
}

TEST_P(FileSystemContract, WritesReplaceUnderTheExistingNameAndCreateInTheExistingFolder) {
  Put("kap1/backbone/x.htm", "old");
  EXPECT_EQ(Files().WriteFile(At("KAP1\\BACKBONE\\X.HTM"), "new"), FileStatus::kOk);
  EXPECT_EQ(Files().WriteFile(At("Kap1/Backbone/New.htm"), "n"), FileStatus::kOk);
  EXPECT_EQ(Files().WriteFile(At("kap9/y.htm"), "y"), FileStatus::kCannotOpen);
  EXPECT_EQ(Files().WriteFile(At("kap1"), "y"), FileStatus::kCannotOpen);
  // No temporary file is left behind, and no second folder or name appeared.
  EXPECT_EQ(List(""), (Names{"kap1/"}));
  EXPECT_EQ(List("kap1/backbone"), (Names{"New.htm", "x.htm"}));
  EXPECT_EQ(Read("kap1/backbone/x.htm"), "new");
}

TEST_P(FileSystemContract, WriteProtectedFilesCanOnlyBeRead) {
  Put("p.htm", "keep");
  Put("other.htm", "other");
  if (OnDisk()) std::filesystem::permissions(At("p.htm"), std::filesystem::perms::owner_read);
  else memory_.SetReadOnly(At("p.htm"));
  std::string bytes;
  EXPECT_EQ(Files().ReadFile(At("p.htm"), bytes), FileStatus::kOk);
  EXPECT_EQ(Files().ReadFile(At("p.htm"), bytes, true), FileStatus::kCannotOpen);
  EXPECT_EQ(Files().WriteFile(At("P.HTM"), "lost"), FileStatus::kCannotOpen);
  EXPECT_FALSE(Files().Remove(At("p.htm")));
  EXPECT_FALSE(Files().Copy(At("other.htm"), At("p.htm"), false));
  EXPECT_EQ(Read("p.htm"), "keep");
}

TEST_P(FileSystemContract, RenameRemoveAndCopyFollowWindowsRules) {
  Put("a.htm", "a");
  Put("b.htm", "b");
  Put("sub/keep.txt", "k");
  EXPECT_FALSE(Files().Rename(At("a.htm"), At("B.HTM")));  // the target exists
  EXPECT_FALSE(Files().Rename(At("missing.htm"), At("c.htm")));
  EXPECT_TRUE(Files().Rename(At("A.HTM"), At("SUB/a.bak")));
  EXPECT_TRUE(Files().Rename(At("b.htm"), At("B.htm")));  // letter case only
  EXPECT_FALSE(Files().Rename(At("B.htm"), At("B.htm")));
  EXPECT_FALSE(Files().Remove(At("Sub")));
  EXPECT_FALSE(Files().Remove(At("missing.htm")));
  EXPECT_TRUE(Files().Copy(At("sub/a.bak"), At("c.htm"), true));
  EXPECT_FALSE(Files().Copy(At("B.htm"), At("C.HTM"), true));
  EXPECT_TRUE(Files().Copy(At("B.htm"), At("C.HTM"), false));
  EXPECT_FALSE(Files().Copy(At("c.htm"), At("c.htm"), false));
  EXPECT_TRUE(Files().Remove(At("sub/A.BAK")));
  EXPECT_EQ(List(""), (Names{"B.htm", "c.htm", "sub/"}));
  EXPECT_EQ(List("sub"), (Names{"keep.txt"}));
  EXPECT_EQ(Read("c.htm"), "b");
}

TEST_P(FileSystemContract, ListsByUpperCaseNameThroughTheMask) {
  for (const char* name : {"b.htm", "A.html", "c.HTM", "\xE4.htm", "x.htmlx", "Kap1/y.htm"}) {
    Put(name, "");
  }
  EXPECT_EQ(List("", "*.htm;*.html"), (Names{"A.html", "b.htm", "c.HTM", "\xE4.htm"}));
  EXPECT_EQ(List("", "*.*"), (Names{"A.html", "b.htm", "c.HTM", "Kap1/", "x.htmlx", "\xE4.htm"}));
  EXPECT_EQ(List("KAP1", "*"), (Names{"y.htm"}));
  EXPECT_EQ(List("missing", "*"), (Names{}));
}

TEST_P(FileSystemContract, MakeFolderCreatesMissingParentsInsideExistingFolders) {
  Put("Kap1/f.htm", "");
  EXPECT_TRUE(Files().MakeFolder(At("KAP1\\New\\Deeper")));
  EXPECT_TRUE(Files().MakeFolder(At("kap1/new")));
  EXPECT_FALSE(Files().MakeFolder(At("kap1/f.htm/x")));
  EXPECT_EQ(List(""), (Names{"Kap1/"}));
  EXPECT_EQ(List("kap1"), (Names{"f.htm", "New/"}));
  EXPECT_TRUE(Files().IsFolder(At("kap1/new/deeper")));
}

}  // namespace
}  // namespace check_html
