// The dry run over copies of the sample site: it changes no file of the tree, and its diff,
// applied with patch, gives exactly the tree that the real run leaves, in each mode and also
// when a file error ends the run. Needs the patch program (skipped where there is none).
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "sample_site_run.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

bool HavePatch() { return std::system("patch --version > /dev/null 2>&1") == 0; }

// Every file below `root` with its bytes and its modification time.
std::map<std::string, std::pair<std::string, fs::file_time_type>> WithTimes(const fs::path& root) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& [name, bytes] : Snapshot(root)) {
    files[name] = {bytes, fs::last_write_time(root / name)};
  }
  return files;
}

// The names whose entries differ, so that a failure names files instead of printing trees.
template <typename Map>
std::vector<std::string> Differing(const Map& a, const Map& b) {
  std::vector<std::string> names;
  for (const auto& [name, value] : a) {
    auto other = b.find(name);
    if (other == b.end() || other->second != value) names.push_back(name);
  }
  for (const auto& [name, value] : b) {
    if (a.count(name) == 0) names.push_back(name);
  }
  return names;
}

uint64_t TotalBytes(const std::map<std::string, std::string>& files) {
  uint64_t total = 0;
  for (const auto& [name, bytes] : files) total += bytes.size();
  return total;
}

bool IsPage(const std::string& name) { return name.ends_with(".htm") || name.ends_with(".html"); }

// "Preview: pages changed 40, unchanged 0, created 12, deleted 1" as numbers, -1 when missing.
std::vector<long long> Numbers(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (!line.starts_with(start)) continue;
    std::vector<long long> numbers;
    const std::regex number("[0-9]+");
    for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
      numbers.push_back(std::stoll(it->str()));
    }
    return numbers;
  }
  return {-1};
}

class DryRun : public SampleSiteRun {
 protected:
  void SetUp() override {
    if (!HavePatch()) GTEST_SKIP() << "no patch program";
    SampleSiteRun::SetUp();
    fs::copy(kSource / "examples/site", patched_.Path(), fs::copy_options::recursive);
  }

  // Moves the diff out of the first copy and applies it to the second, in the folder that the
  // log's last summary line names, as it stands in the second copy.
  void ApplyDiff(const std::vector<std::string>& log) {
    const fs::path diff = fs::path(scratch_.Path()) / "preview.diff";
    fs::rename(Html() / "check/zq_preview.diff", diff);
    const std::string marker = ", for patch -p1 in ";
    std::string root;
    for (const std::string& line : log) {
      const size_t at = line.find(marker);
      if (line.starts_with("Preview: diff in ") && at != std::string::npos) {
        root = line.substr(at + marker.size());
      }
    }
    if (root.empty()) return;  // nothing changed: an empty diff
    ASSERT_TRUE(root.starts_with(site_.Path())) << root;
    root = patched_.Path() + root.substr(site_.Path().size());
    const std::string command =
        "patch -p1 -s -d \"" + root + "\" < \"" + diff.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadWhole(diff);
  }

  TempFolder patched_;
  TempFolder scratch_;
};

struct Mode {
  const char* name;
  std::vector<std::string> sets;
};
const Mode kModes[] = {
    {"HandWritten", {"--set", "tex_html=0"}},
    {"Converter", {}},
    {"TableRepair", {"--set", "tex_html=0", "--set", "DoNice_Item=1", "--set", "BakClear=1"}},
};

class DryRunModes : public DryRun, public testing::WithParamInterface<Mode> {};

TEST_P(DryRunModes, ChangeNoFileAndTheirDiffGivesTheTreeOfTheRealRun) {
  const Mode& mode = GetParam();
  const fs::path root = site_.Path();
  const auto before = WithTimes(root);
  std::vector<std::string> dry = mode.sets;
  dry.push_back("--dry-run");
  ASSERT_EQ(Run(dry), kExitRunEnded);
  const std::vector<std::string> log = LogLines();
  auto after = WithTimes(root);
  after.erase("zq/html/check/zq_preview.diff");  // the one file a dry run writes
  EXPECT_EQ(Differing(after, before), std::vector<std::string>{});
  ApplyDiff(log);

  ASSERT_EQ(Run(mode.sets), kExitRunEnded);
  const auto real = Snapshot(root);
  EXPECT_EQ(Differing(Snapshot(patched_.Path()), real), std::vector<std::string>{});

  // The summary counts what the real run changed.
  long long counts[2][3] = {};  // pages, others: changed, created, deleted
  std::map<std::string, std::string> old_files;
  for (const auto& [name, file] : before) old_files[name] = file.first;
  for (const auto& [name, bytes] : real) {
    auto old = old_files.find(name);
    if (old == old_files.end()) ++counts[IsPage(name) ? 0 : 1][1];
    else if (old->second != bytes) ++counts[IsPage(name) ? 0 : 1][0];
  }
  for (const auto& [name, bytes] : old_files) {
    if (real.count(name) == 0) ++counts[IsPage(name) ? 0 : 1][2];
  }
  const std::vector<long long> pages = Numbers(log, "Preview: pages changed");
  const std::vector<long long> others = Numbers(log, "Preview: other files changed");
  ASSERT_EQ(pages.size(), 4u);
  ASSERT_EQ(others.size(), 4u);
  EXPECT_EQ(std::vector<long long>({pages[0], pages[2], pages[3]}),
            std::vector<long long>(std::begin(counts[0]), std::end(counts[0])));
  EXPECT_EQ(std::vector<long long>({others[0], others[2], others[3]}),
            std::vector<long long>(std::begin(counts[1]), std::end(counts[1])));
  const std::vector<long long> bytes = Numbers(log, "Preview: bytes before");
  ASSERT_EQ(bytes.size(), 2u);
  const long long growth =
      static_cast<long long>(TotalBytes(real)) - static_cast<long long>(TotalBytes(old_files));
  EXPECT_EQ(bytes[1] - bytes[0], growth);
}

std::string ModeName(const testing::TestParamInfo<Mode>& mode) { return mode.param.name; }
INSTANTIATE_TEST_SUITE_P(SampleSite, DryRunModes, testing::ValuesIn(kModes), ModeName);

// A file error ends the dry run as it ends the real run, with the same log lines, the last one
// naming the file, and the dry run still writes its diff and nothing else: a write-protected
// page (the crawl needs to open it for writing: nothing changed yet) and a write-protected
// backup that the rewrite cannot delete (some pages rewritten before).
struct Protected {
  const char* test_name;
  const char* name;  // below zq/html
  bool make;         // not in the sample site: made beside the page
};
class DryRunErrors : public DryRun, public testing::WithParamInterface<Protected> {};

TEST_P(DryRunErrors, EndItAsTheyEndTheRealRun) {
  const auto [test_name, name, make] = GetParam();
  const fs::path file = Html() / name;
  if (make) {
    for (const TempFolder* copy : {&site_, &patched_}) {
      copy->Put("zq/html/" + std::string(name), "old");
    }
  }
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto before = WithTimes(site_.Path());
  ASSERT_EQ(Run({"--set", "tex_html=0", "--dry-run"}), kExitFileError);
  std::vector<std::string> dry_log = LogLines();
  auto after = WithTimes(site_.Path());
  after.erase("zq/html/check/zq_preview.diff");
  EXPECT_EQ(Differing(after, before), std::vector<std::string>{});
  ApplyDiff(dry_log);

  std::fclose(out_);
  out_ = std::tmpfile();
  ASSERT_EQ(Run({"--set", "tex_html=0"}), kExitFileError);
  const std::vector<std::string> real_log = LogLines();
  ASSERT_FALSE(real_log.empty());
  EXPECT_TRUE(real_log.back().starts_with("!!!")) << real_log.back();
  EXPECT_NE(real_log.back().find(name), std::string::npos) << real_log.back();
  std::erase_if(dry_log, [](const std::string& line) { return line.starts_with("Preview: "); });
  EXPECT_EQ(dry_log, real_log);
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(Differing(Snapshot(patched_.Path()), Snapshot(site_.Path())),
            std::vector<std::string>{});
}

std::string ProtectedName(const testing::TestParamInfo<Protected>& file) {
  return file.param.test_name;
}
INSTANTIATE_TEST_SUITE_P(
    SampleSite, DryRunErrors,
    testing::Values(Protected{"WriteProtectedPage", "kap01/illustr/kraft.html", false},
                    Protected{"WriteProtectedBackup", "kap01/illustr/kraft.bak", true}),
    ProtectedName);

}  // namespace
}  // namespace check_html
