#include "shell/preview_diff.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/case_map.h"
#include "platform/overlay_file_system.h"
#include "platform/path_parts.h"
#include "shell/unified_diff.h"

namespace check_html {
namespace {

using Kind = OverlayChange::Kind;

enum class Step { kCopy, kRename, kModify, kCreate, kDelete, kUnchanged };

struct Planned {
  Step step;
  std::string path;
  std::string source;  // kCopy, kRename, and kModify of a file that took another's bytes
  const OverlayChange* change;
};

bool IsPage(const std::string& path) {
  const std::string lower = LowerCase(path);
  return lower.ends_with(".htm") || lower.ends_with(".html");
}

std::string BaseBytes(const OverlayFileSystem& files, const std::string& path) {
  std::string bytes;
  if (files.Base().ReadFile(path, bytes) != FileStatus::kOk) bytes.clear();
  return bytes;
}

std::string AfterBytes(const OverlayFileSystem& files, const OverlayChange& change) {
  if (change.kind == Kind::kWritten) return *change.bytes;
  if (change.kind == Kind::kFromBase) return BaseBytes(files, change.source);
  return {};
}

// What each change becomes in the diff. A base file that was moved away and whose bytes
// arrived under one new name is one rename; further new names holding them are copies.
std::vector<Planned> Plan(const OverlayFileSystem& files, const std::vector<OverlayChange>& all) {
  std::map<std::string, std::string> removed;  // folded path -> the base's name
  for (const OverlayChange& change : all) {
    if (change.kind == Kind::kRemoved) removed[LowerCase(change.path)] = change.path;
  }
  // A file written anew under another letter case than the base file it replaced (the disk
  // keeps the new name): the base file went, and a new one came.
  std::map<const OverlayChange*, std::string> recased;
  for (const OverlayChange& change : all) {
    if (change.kind != Kind::kWritten || !change.in_base) continue;
    const std::string base_name =
        NormalPath(files.Base().NativePath(change.path).value_or(change.path));
    if (base_name == change.path) continue;
    recased[&change] = base_name;
    removed[LowerCase(base_name)] = base_name;
  }
  std::set<std::string> renamed;  // folded sources already used by a rename
  std::vector<Planned> plan;
  for (const OverlayChange& change : all) {
    switch (change.kind) {
      case Kind::kRemoved:
        if (change.in_base) plan.push_back({Step::kDelete, change.path, "", &change});
        break;
      case Kind::kWritten:
        if (auto old = recased.find(&change); old != recased.end()) {
          plan.push_back({Step::kDelete, old->second, "", &change});
          plan.push_back({Step::kCreate, change.path, "", &change});
        } else if (!change.in_base) {
          plan.push_back({Step::kCreate, change.path, "", &change});
        } else {
          const bool same = BaseBytes(files, change.path) == *change.bytes;
          plan.push_back({same ? Step::kUnchanged : Step::kModify, change.path, "", &change});
        }
        break;
      case Kind::kFromBase: {
        const std::string source = LowerCase(change.source);
        if (change.source == change.path) {
          plan.push_back({Step::kUnchanged, change.path, "", &change});
        } else if (source == LowerCase(change.path)) {
          plan.push_back({Step::kRename, change.path, change.source, &change});  // letter case
        } else if (change.in_base) {
          plan.push_back({Step::kModify, change.path, change.source, &change});
        } else if (removed.count(source) != 0 && renamed.insert(source).second) {
          plan.push_back({Step::kRename, change.path, change.source, &change});
        } else {
          plan.push_back({Step::kCopy, change.path, change.source, &change});
        }
        break;
      }
    }
  }
  // A renamed file's removal is the rename itself.
  std::erase_if(plan, [&renamed](const Planned& p) {
    return p.step == Step::kDelete && renamed.count(LowerCase(p.path)) != 0;
  });
  // Copies read their source as it was, so they come before the renames and changes.
  std::stable_sort(plan.begin(), plan.end(), [](const Planned& a, const Planned& b) {
    auto rank = [](Step step) { return step == Step::kCopy ? 0 : step == Step::kRename ? 1 : 2; };
    return rank(a.step) < rank(b.step);
  });
  return plan;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The deepest folder, ending in "/", that holds every path.
std::string CommonFolder(const std::vector<Planned>& plan) {
  std::string root;
  bool first = true;
  auto take = [&](const std::string& path) {
    const std::string folder = FolderOf(path);
    if (first) {
      root = folder;
      first = false;
      return;
    }
    size_t same = 0;
    while (same < root.size() && same < folder.size() && root[same] == folder[same]) ++same;
    root = FolderOf(root.substr(0, same));
  };
  for (const Planned& p : plan) {
    if (p.step == Step::kUnchanged) continue;
    take(p.path);
    if (!p.source.empty()) take(p.source);
  }
  return root;
}

// A name in a "---" or "+++" line; a blank in it would end the name without the tab.
std::string Named(const std::string& prefix, const std::string& relative) {
  return prefix + relative + (relative.find(' ') != std::string::npos ? "\t" : "");
}

bool IsBinary(std::string_view bytes) { return bytes.find('\0') != std::string_view::npos; }

void Count(PreviewSummary& summary, const Planned& p, uint64_t before, uint64_t after) {
  PreviewSummary::Counts& counts = IsPage(p.path) ? summary.pages : summary.others;
  switch (p.step) {
    case Step::kModify: ++counts.changed; break;
    case Step::kUnchanged: ++counts.unchanged; break;
    case Step::kCopy:
    case Step::kCreate: ++counts.created; break;
    case Step::kDelete: ++counts.deleted; break;
    case Step::kRename:
      ++counts.created;
      ++(IsPage(p.source) ? summary.pages : summary.others).deleted;
      break;
  }
  summary.bytes_before += before;
  summary.bytes_after += after;
}

}  // namespace

PreviewSummary WritePreviewDiff(const OverlayFileSystem& files,
                                const std::function<void(std::string_view)>& write) {
  const std::vector<OverlayChange> changes = files.Changes();
  const std::vector<Planned> plan = Plan(files, changes);
  PreviewSummary summary;
  summary.root = CommonFolder(plan);
  const size_t cut = summary.root.size();
  std::string out;
  for (const Planned& p : plan) {
    const std::string rel = p.path.substr(std::min(cut, p.path.size()));
    const bool moved = p.step == Step::kCopy || p.step == Step::kRename;
    const std::string from = moved ? p.source.substr(std::min(cut, p.source.size())) : rel;
    std::string before;
    if (p.step == Step::kRename) before = BaseBytes(files, p.source);
    else if (p.step != Step::kCreate && p.step != Step::kCopy) before = BaseBytes(files, p.path);
    const std::string after = p.step == Step::kDelete ? "" : AfterBytes(files, *p.change);
    Count(summary, p, before.size(), after.size());
    if (p.step == Step::kUnchanged) continue;
    out = "diff --git a/" + from + " b/" + rel + "\n";
    if (moved) {
      const char* verb = p.step == Step::kCopy ? "copy" : "rename";
      out += std::string("similarity index 100%\n") + verb + " from " + from + "\n" + verb +
             " to " + rel + "\n";
      write(out);
      continue;
    }
    if (p.step == Step::kCreate) out += "new file mode 100644\n";
    if (p.step == Step::kDelete) out += "deleted file mode 100644\n";
    const std::string old_name = p.step == Step::kCreate ? "/dev/null" : Named("a/", from);
    const std::string new_name = p.step == Step::kDelete ? "/dev/null" : Named("b/", rel);
    if (IsBinary(before) || IsBinary(after)) {
      out += "Binary files " + old_name + " and " + new_name + " differ\n";
    } else if (!before.empty() || !after.empty()) {
      out += "--- " + old_name + "\n+++ " + new_name + "\n";
      AppendHunks(before, after, out);
    }
    write(out);
  }
  return summary;
}

std::vector<std::string> PreviewSummaryLines(const PreviewSummary& summary,
                                             const std::string& diff_name) {
  auto counts = [](const char* what, const PreviewSummary::Counts& c) {
    return std::string("Preview: ") + what + " changed " + std::to_string(c.changed) +
           ", unchanged " + std::to_string(c.unchanged) + ", created " +
           std::to_string(c.created) + ", deleted " + std::to_string(c.deleted);
  };
  return {counts("pages", summary.pages), counts("other files", summary.others),
          "Preview: bytes before " + std::to_string(summary.bytes_before) + ", after " +
              std::to_string(summary.bytes_after),
          "Preview: diff in " + diff_name +
              (summary.root.empty() ? "" : ", for patch -p1 in " + summary.root)};
}

}  // namespace check_html
