#include "maint/special_copy.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/site_database.h"

// Decisions where the layout leaves a choice:
// - A word-named section page gets the stem of the page that links to it first. When that page
//   lies in no section folder, the stem is its file name without its extension; a page that no
//   other page links to (the start page) keeps its own name.
// - A picture outside any illustr folder is copied by its file name.
// - When Files entry 1 holds no "/backbone/", the site root is the folder of that page.
// - Pages that were not found are left out (the failure report names them); a copy that fails
//   is logged with "!!!".
// - "Double named" means two different pictures of this run meet under one target name; a
//   picture that several pages show is copied once, and a target left by an earlier run is
//   simply overwritten.

namespace check_html {
namespace {

constexpr std::string_view kBackbone = "/backbone/";
constexpr std::string_view kIllustr = "/illustr/";
constexpr std::array<std::string_view, 4> kSectionFolders = {"/advanced/", "/exercise/",
                                                             "/illustr/", "/basics/"};
constexpr std::array<std::string_view, 8> kButtonPictures = {
    "styles/index.png",  "styles/e_mail.png",   "styles/zu_zu.png",  "styles/zurueck.png",
    "styles/weiter.png", "styles/pdf_logo.png", "styles/kugel1.png", "styles/dreieck3.png"};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view LeafOf(std::string_view path) { return path.substr(path.find_last_of("/\\") + 1); }

// With a chapter folder named "kap" and two characters, the text before that folder.
std::string SiteRoot(const std::string& first_file) {
  const std::size_t backbone = first_file.find(kBackbone);
  if (backbone == std::string::npos || backbone < 5) {
    return first_file.substr(0, first_file.size() - LeafOf(first_file).size());
  }
  return first_file.substr(0, backbone - 5);
}

class SpecialCopy {
 public:
  explicit SpecialCopy(RunContext& run)
      : run_(run), db_(*run.Database), files_(run.Files()), target_dir_(run.Opts.SpecialDir) {}

  void CopyAll() {
    const std::string root = SiteRoot(db_.Files()[1]);
    for (int32_t i = 1; i <= db_.FileCount() && !run_.Stopped(); ++i) {
      const std::string& page = At(db_.Files(), i);
      if (!Contains(page, ".html") || !Contains(page, root) || !Record(i).Exists) continue;
      std::size_t end = 0;
      if (const std::size_t backbone = page.find(kBackbone); backbone != std::string::npos) {
        CopyPage(page, target_dir_ + "/backbone/" + page.substr(backbone + kBackbone.size()));
      } else if (SectionFolderEnd(page, end)) {
        CopyPage(page, target_dir_ + "/appendix/" + AppendixName(i, page.substr(end)));
      } else {
        continue;
      }
      CopyPictures(i);
    }
  }

 private:
  static const std::string& At(std::span<const std::string> table, int32_t i) {
    return table[static_cast<std::size_t>(i)];
  }
  const FileRec& Record(int32_t i) const { return db_.FileRecords()[static_cast<std::size_t>(i)]; }

  // A name that carries its own number (a digit as its second or third character) is kept;
  // any other is prefixed with the stem of the first linking page.
  std::string AppendixName(int32_t i, const std::string& name) const {
    auto is_digit = [&](std::size_t k) {
      return k < name.size() && name[k] >= '0' && name[k] <= '9';
    };
    if (is_digit(1) || is_digit(2)) return name;
    const std::vector<LinkNode>& linked_from = Record(i).LinkedFrom;
    if (linked_from.empty() || linked_from.front().Index <= 0) return name;
    const std::string& linking = At(db_.Files(), linked_from.front().Index);
    std::size_t end = 0;
    std::string stem;
    if (SectionFolderEnd(linking, end)) {
      stem = linking.substr(end, linking.size() - std::min(linking.size(), end + 5));
    } else {
      const std::string_view leaf = LeafOf(linking);
      stem = leaf.substr(0, std::min(leaf.size(), leaf.rfind('.')));
    }
    return stem + "_" + name;
  }

  void CopyPage(const std::string& page, const std::string& target) {
    run_.LogLine("Copy Special: " + page);
    CopyFile(page, target);
  }

  void CopyPictures(int32_t i) {
    for (const LinkNode& node : Record(i).Pics) {
      if (node.Index <= 0) continue;
      const std::string& picture = At(db_.Pictures(), node.Index);
      bool button = false;
      for (std::string_view name : kButtonPictures) button = button || Contains(picture, name);
      if (button) continue;
      const std::size_t illustr = picture.find(kIllustr);
      const std::string target =
          target_dir_ + "/illustr/" +
          std::string(illustr == std::string::npos
                          ? LeafOf(picture)
                          : std::string_view(picture).substr(illustr + kIllustr.size()));
      auto [copied, added] = copied_pictures_.emplace(LowerCase(target), picture);
      if (!added && copied->second == picture) continue;
      run_.LogLine("Copy Special: " + picture);
      if (!added) run_.LogLine("!!!Picture exists! Double Named???");
      CopyFile(picture, target);
    }
  }

  void CopyFile(const std::string& from, const std::string& to) {
    const std::string folder = to.substr(0, to.size() - LeafOf(to).size());
    if (made_folders_.insert(folder).second) files_.MakeFolder(folder);
    if (!files_.Copy(from, to, false)) run_.LogLine("!!!Can not copy " + from + " to " + to);
  }

  RunContext& run_;
  const SiteDatabase& db_;
  FileSystem& files_;
  const std::string target_dir_;
  std::unordered_set<std::string> made_folders_;
  std::unordered_map<std::string, std::string> copied_pictures_;  // target -> source picture
};

}  // namespace

bool SectionFolderEnd(std::string_view path, std::size_t& end) {
  for (std::string_view folder : kSectionFolders) {
    if (const std::size_t at = path.find(folder); at != std::string_view::npos) {
      end = at + folder.size();
      return true;
    }
  }
  return false;
}

void CopySpecial(RunContext& run) {
  run.ShowStatus("Do_Special: Copy all for Python");
  run.LogLine("Do_Special: Copy all for Python");
  const std::string& special_dir = run.Opts.SpecialDir;
  run.LogLine("        to: " + special_dir);
  if (!run.Database || run.Database->FileCount() < 1) return;
  if (special_dir.empty()) {
    run.LogLine("!!!No folder for the special copy");
    return;
  }
  SpecialCopy(run).CopyAll();
}

}  // namespace check_html
