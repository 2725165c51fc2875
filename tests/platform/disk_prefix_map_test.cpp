// The disk remembers the folders whose letter case it resolved (prefix_map.h). Whatever happens
// to the tree during a run, a path must resolve exactly as the plain rule resolves it name by
// name; the rule is written out again here and checked against the disk's answers, and against
// a new DiskFileSystem that has nothing remembered yet.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/case_map.h"
#include "platform/disk_file_system.h"
#include "platform/path_parts.h"
#include "temp_folder.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

bool StatOk(const std::string& path, struct stat& info) { return stat(path.c_str(), &info) == 0; }

bool IsDir(const std::string& path) {
  struct stat info;
  return StatOk(path, info) && S_ISDIR(info.st_mode);
}

// The name of `folder` that has the fold of `name` and sorts first, if any.
std::optional<std::string> FoldWinner(const std::string& folder, const std::string& name) {
  std::optional<std::string> winner;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string candidate = entry.path().filename().string();
    if (LowerCase(candidate) == LowerCase(name) && (!winner || SortsBefore(candidate, *winner))) {
      winner = candidate;
    }
  }
  return winner;
}

// The plain rule for an absolute path: name by name, the exact name when it exists, else the
// folder's name of that fold that sorts first by upper case.
std::optional<std::string> PlainExisting(const std::string& path) {
  std::string current = "/";
  for (const std::string& name : SplitPath(path).names) {
    std::string exact = JoinPath(current, name);
    struct stat info;
    if (StatOk(exact, info)) {
      current = std::move(exact);
      continue;
    }
    if (!IsDir(current)) return std::nullopt;
    std::optional<std::string> winner = FoldWinner(current, name);
    if (!winner) return std::nullopt;
    current = JoinPath(current, *winner);
  }
  return current;
}

// Where the plain rule creates or replaces the file `path`.
std::optional<std::string> PlainForCreate(const std::string& path) {
  PathParts parts = SplitPath(path);
  const std::string name = parts.names.back();
  parts.names.pop_back();
  std::string folder_path = "/";
  for (const std::string& part : parts.names) folder_path = JoinPath(folder_path, part);
  std::optional<std::string> folder = PlainExisting(folder_path);
  if (!folder || !IsDir(*folder)) return std::nullopt;
  std::string exact = JoinPath(*folder, name);
  struct stat info;
  if (StatOk(exact, info)) return exact;
  if (std::optional<std::string> winner = FoldWinner(*folder, name)) {
    return JoinPath(*folder, *winner);
  }
  return exact;
}

std::string Contents(const std::string& path) {
  std::string bytes;
  return DiskFileSystem().ReadFile(path, bytes) == FileStatus::kOk ? bytes : "<unread>";
}

// Every question the program asks about `written` gets the plain rule's answer, from `disk`
// (which may have remembered folders) and from a new file system alike. The first question
// meets what changed since the last: where to create the file, or where it is.
void ExpectPlainAnswers(const DiskFileSystem& disk, const std::string& written,
                        bool create_first = false) {
  const std::optional<std::string> real = PlainExisting(written);
  const std::optional<std::string> target = PlainForCreate(written);
  const DiskFileSystem fresh;
  for (const DiskFileSystem* files : {&disk, &fresh}) {
    const char* which = files == &disk ? "remembering" : "new";
    if (create_first) {
      EXPECT_EQ(files->NativePath(written), target) << which << " " << written;
    }
    const std::optional<FoundFile> found = files->Find(written);
    ASSERT_EQ(found.has_value(), real.has_value()) << which << " " << written;
    EXPECT_EQ(files->Exists(written), real.has_value()) << which << " " << written;
    EXPECT_EQ(files->NativePath(written), target) << which << " " << written;
    if (!real) {
      EXPECT_EQ(files->FileIdentity(written), written) << which;
      continue;
    }
    EXPECT_EQ(found->path, *real) << which << " " << written;
    EXPECT_EQ(found->is_folder, IsDir(*real)) << which << " " << written;
    EXPECT_EQ(files->IsFolder(written), IsDir(*real)) << which << " " << written;
    EXPECT_EQ(found->identity, fresh.FileIdentity(*real)) << which << " " << written;
    EXPECT_EQ(files->FileIdentity(written), found->identity) << which << " " << written;
    if (!found->is_folder) {
      std::string bytes;
      ASSERT_EQ(files->ReadFile(written, bytes), FileStatus::kOk) << which << " " << written;
      EXPECT_EQ(bytes, Contents(*real)) << which << " " << written;
    }
  }
}

// Another program's change comes a clock tick of the file times after the program's own
// (the folder listings' rule: file times tick coarsely).
void WaitATick() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

void Put(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class DiskPrefixMap : public testing::Test {
 protected:
  // The site under a folder with capitals; the run writes every path in lower case.
  DiskPrefixMap() : root_(temp_.Path()) { Put(root_ + "/Anna/Sites/zq/p.html", "page"); }

  std::string Lower(const std::string& relative) const {
    return root_ + "/" + LowerCase(relative);
  }

  TempFolder temp_;
  std::string root_;
  DiskFileSystem disk_;
};

TEST_F(DiskPrefixMap, AFolderRenamedToAnotherLetterCaseIsFollowed) {
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  WaitATick();
  fs::rename(root_ + "/Anna", root_ + "/ANNA");  // another program
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  EXPECT_EQ(disk_.Find(Lower("anna/sites/zq/p.html"))->path, root_ + "/ANNA/Sites/zq/p.html");

  // A folder below them, which exists as written, renamed to another letter case.
  WaitATick();
  fs::rename(root_ + "/ANNA/Sites/zq", root_ + "/ANNA/Sites/ZQ");
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/new.html"), /*create_first=*/true);
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  EXPECT_EQ(disk_.Find(Lower("anna/sites/zq/p.html"))->path, root_ + "/ANNA/Sites/ZQ/p.html");

  // The program's own rename, a change of letter case only.
  ASSERT_TRUE(disk_.Rename(Lower("anna/sites"), root_ + "/anna/SiteS"));
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  EXPECT_EQ(disk_.Find(Lower("anna/sites/zq/p.html"))->path, root_ + "/ANNA/SiteS/ZQ/p.html");
}

TEST_F(DiskPrefixMap, AFolderCreatedInAnotherLetterCaseTakesOverAsTheExactName) {
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  WaitATick();
  fs::create_directory(root_ + "/anna");  // exists as written now: the plain rule goes in there
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/new.html"));
  EXPECT_FALSE(disk_.Exists(Lower("anna/sites/zq/p.html")));
  WaitATick();
  Put(root_ + "/anna/sites/zq/p.html", "other page");
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  EXPECT_EQ(disk_.Find(Lower("anna/sites/zq/p.html"))->path, Lower("anna/sites/zq/p.html"));
  ExpectPlainAnswers(disk_, root_ + "/Anna/sites/zq/p.html");
}

TEST_F(DiskPrefixMap, ANameInTwoLetterCasesResolvesByHowItIsWritten) {
  Put(root_ + "/Anna/SITES/zq/p.html", "twin");
  for (const char* written : {"anna/sites/zq/p.html", "Anna/Sites/zq/p.html",
                              "ANNA/SITES/zq/p.html", "anna/sites/ZQ/P.HTML"}) {
    ExpectPlainAnswers(disk_, root_ + "/" + written);
  }
  // "SITES" sorts before "Sites": the lower-case form reads the twin, the exact one its own.
  EXPECT_EQ(Contents(disk_.Find(Lower("anna/sites/zq/p.html"))->path), "twin");
  EXPECT_EQ(Contents(disk_.Find(root_ + "/anna/Sites/zq/p.html")->path), "page");
  WaitATick();
  fs::remove_all(root_ + "/Anna/SITES");
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/p.html"));
  EXPECT_EQ(Contents(disk_.Find(Lower("anna/sites/zq/p.html"))->path), "page");
}

TEST_F(DiskPrefixMap, AFolderReplacedByAFileIsNoFolderAnyMore) {
  Put(root_ + "/Anna/Sites/zq/sub/q.html", "q");
  ExpectPlainAnswers(disk_, Lower("anna/sites/zq/sub/q.html"));
  WaitATick();
  fs::remove_all(root_ + "/Anna/Sites/zq/sub");
  Put(root_ + "/Anna/Sites/zq/Sub", "a file");
  for (const char* written : {"anna/sites/zq/sub/q.html", "anna/sites/zq/sub"}) {
    ExpectPlainAnswers(disk_, Lower(written));
  }
  WaitATick();
  fs::remove_all(root_ + "/Anna/Sites");
  Put(root_ + "/Anna/sites", "a file too");
  for (const char* written : {"anna/sites/zq/p.html", "anna/sites", "anna/sites/new.html"}) {
    ExpectPlainAnswers(disk_, Lower(written));
  }
  EXPECT_EQ(disk_.WriteFile(Lower("anna/sites/zq/p.html"), "x"), FileStatus::kCannotOpen);
}

// The rewrite's writes and renames go where the plain rule puts them, through the temporary
// files made ahead as well.
TEST_F(DiskPrefixMap, WritesAndRenamesUnderAFolderWithCapitalsLandWhereThePlainRuleSays) {
  Put(root_ + "/Anna/Sites/zq/Q.html", "q");
  const std::vector<std::string> pages = {Lower("anna/sites/zq/p.html"),
                                          Lower("anna/sites/zq/q.html")};
  disk_.ExpectWrites(pages);
  for (const std::string& page : pages) {
    const std::string bak = page.substr(0, page.size() - 4) + "bak";
    ExpectPlainAnswers(disk_, page);
    const std::optional<std::string> moved_to = PlainForCreate(bak);
    ASSERT_TRUE(disk_.Rename(page, bak));
    ExpectPlainAnswers(disk_, bak);
    EXPECT_EQ(disk_.Find(bak)->path, *moved_to);
    const std::optional<std::string> written_to = PlainForCreate(page);
    ASSERT_EQ(disk_.WriteFile(page, "new"), FileStatus::kOk);
    EXPECT_EQ(Contents(*written_to), "new");
    ExpectPlainAnswers(disk_, page);
  }
  disk_.ExpectWrites({});
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(root_ + "/Anna/Sites/zq")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"p.bak", "p.html", "q.bak", "q.html"}));
}

// A random tree of names that share folds, changed by another program and by the program
// itself between the questions. Bounded: three seeds, thirty rounds each.
class RandomTree {
 public:
  // The tree lies in `base` (all lower case) under a folder with capitals.
  RandomTree(std::string base, unsigned seed)
      : base_(std::move(base)), root_(base_ + "/Anna"), random_(seed) {
    Put(root_ + "/Sites/kap/p.html", "page");
  }

  std::string Pick(const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random_)];
  }
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

  // A name: one of a few words, each in a few letter cases.
  std::string FolderName() {
    return Pick({"anna", "Anna", "ANNA", "sites", "Sites", "SITES", "kap", "Kap"});
  }
  std::string FileName() { return Pick({"p.html", "P.html", "p.HTML", "q.html"}); }

  // Everything in the base folder, folders and files, as real paths.
  std::vector<std::string> Entries(bool folders_only = false) const {
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(base_)) {
      if (!folders_only || entry.is_directory()) found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }
  std::vector<std::string> Folders() const { return Entries(true); }

  std::string AnyCase(std::string text) {
    for (char& c : text) c = Chance(0.5) ? ToLower1252(c) : ToUpper1252(c);
    return text;
  }

  // A path as the program might write it: mostly all lower case, as a run does.
  std::string Written(const std::string& real) {
    const std::string relative = real.substr(base_.size());
    return base_ + (Chance(0.7) ? LowerCase(relative) : AnyCase(relative));
  }

  // Another program's change.
  void ChangeFromOutside() {
    const std::string folder = Pick(Folders());
    std::error_code ignored;
    switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
      case 0:  // a folder, maybe in another letter case than one beside it
        if (Depth(folder) < 4) fs::create_directories(folder + "/" + FolderName(), ignored);
        break;
      case 1: {  // a folder renamed, mostly to another letter case of its name
        if (folder == root_) break;
        const fs::path from(folder);
        const std::string to = from.parent_path().string() + "/" +
                               (Chance(0.7) ? AnyCase(from.filename().string()) : FolderName());
        if (!fs::exists(to)) fs::rename(folder, to, ignored);
        break;
      }
      case 2:  // a folder replaced by a file
        if (folder == root_) break;
        fs::remove_all(folder, ignored);
        Put(folder, "was a folder");
        break;
      case 3:  // a file, maybe in a second letter case
        Put(folder + "/" + FileName(), "outside " + folder);
        break;
      case 4:  // a file or an empty folder removed
        for (const std::string& entry : Entries()) {
          if (Chance(0.1) && (fs::is_regular_file(entry) || fs::is_empty(entry))) {
            fs::remove(entry, ignored);
            break;
          }
        }
        break;
      case 5:  // the folder with capitals renamed to other capitals, or one in lower case
        if (Chance(0.5)) {  // beside it (the lower-case paths lead there then) made or removed
          const std::string to = base_ + "/" + Pick({"Anna", "ANNA", "AnNa"});
          if (!fs::exists(to)) {
            fs::rename(root_, to, ignored);
            root_ = to;
          }
        } else if (fs::exists(base_ + "/anna")) {
          fs::remove_all(base_ + "/anna", ignored);
        } else {
          fs::create_directories(base_ + "/anna/" + FolderName(), ignored);
        }
        break;
    }
  }

  // The program's own change, through `disk`; it must land where the plain rule says.
  void ChangeFromInside(DiskFileSystem& disk) {
    const std::string real_folder = Pick(Folders());
    const std::string folder = Written(real_folder);
    switch (std::uniform_int_distribution<int>(0, 3)(random_)) {
      case 0: {
        const std::string path = folder + "/" + FileName();
        const std::optional<std::string> target = PlainForCreate(path);
        if (disk.WriteFile(path, "inside " + path) == FileStatus::kOk) {
          ASSERT_TRUE(target.has_value()) << path;
          EXPECT_EQ(Contents(*target), "inside " + path);
        }
        break;
      }
      case 1:
        if (Depth(real_folder) < 3) {
          disk.MakeFolder(folder + "/" + FolderName() + "/" + FolderName());
        }
        break;
      case 2: {  // a file moved, or renamed to another letter case
        const std::vector<std::string> entries = Entries();
        if (entries.empty()) break;
        const std::string from = Written(Pick(entries));
        const std::string to = folder + "/" + FileName();
        const std::optional<std::string> source = PlainExisting(from);
        struct stat before {};
        if (source) stat(source->c_str(), &before);
        if (disk.Rename(from, to)) {
          ASSERT_TRUE(source.has_value()) << from;
          const std::optional<std::string> moved = PlainExisting(to);
          struct stat after {};
          ASSERT_TRUE(moved && stat(moved->c_str(), &after) == 0) << from << " -> " << to;
          EXPECT_EQ(after.st_ino, before.st_ino) << from << " -> " << to;
        }
        break;
      }
      case 3: {
        const std::vector<std::string> entries = Entries();
        if (!entries.empty()) disk.Remove(Written(Pick(entries)));
        break;
      }
    }
  }

  // The questions: entries as written in two ways, and a missing name in their folders.
  std::vector<std::string> Questions() {
    std::vector<std::string> questions;
    std::vector<std::string> entries = Entries();
    std::shuffle(entries.begin(), entries.end(), random_);
    entries.resize(std::min<size_t>(entries.size(), 40));
    for (const std::string& entry : entries) {
      questions.push_back(Written(entry));
      questions.push_back(Written(entry));
      if (fs::is_directory(entry)) questions.push_back(Written(entry) + "/missing.html");
    }
    return questions;
  }

 private:
  // How many folders below the base folder `path` lies.
  size_t Depth(const std::string& path) const {
    return static_cast<size_t>(std::count(path.begin() + base_.size(), path.end(), '/'));
  }

  std::string base_;
  std::string root_;  // the folder with capitals
  std::mt19937 random_;
};

TEST(DiskPrefixMapRandom, EveryPathResolvesAsThePlainRuleWhileTheTreeChanges) {
  for (unsigned seed : {1u, 2u, 3u}) {
    TempFolder temp;
    RandomTree tree(temp.Path(), seed);
    DiskFileSystem disk;
    for (int round = 0; round < 30; ++round) {
      for (int n = 0; n < 2; ++n) tree.ChangeFromInside(disk);
      WaitATick();
      for (int n = 0; n < 2; ++n) tree.ChangeFromOutside();
      for (const std::string& written : tree.Questions()) {
        ExpectPlainAnswers(disk, written, tree.Chance(0.5));
        if (testing::Test::HasFailure()) {
          FAIL() << "seed " << seed << ", round " << round << ": " << written;
        }
      }
    }
  }
}

}  // namespace
}  // namespace check_html
