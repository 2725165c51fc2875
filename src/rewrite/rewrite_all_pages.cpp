// The rewrite pass: every page the crawl found is rewritten once by CleanFile, pages named
// ".htm" moving to ".html" on the way.
#include "rewrite/rewrite_all_pages.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/case_map.h"
#include "platform/file_system.h"
#include "rewrite/clean_file.h"
#include "rewrite/math_fixups.h"
#include "run/run_context.h"
#include "site/page_lists.h"
#include "site/site_database.h"

namespace check_html {
namespace {

constexpr size_t kNameWidth = 255;
// Logged (after "!!!") for a ".htm" page whose ".html" name is taken by another file.
constexpr const char* kMoveBlockedText = "Page not moved, the new name exists: ";

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void SlashesFor(std::string& path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
}

// The common beginning of the chapter folders' paths, from the first backbone page: the path in
// front of its five-character chapter folder, followed by "\kap", in "/" form.
std::string RootPrefixOf(std::string_view backbone_page) {
  const size_t p = backbone_page.find("\\backbone\\");
  std::string prefix;
  if (p != std::string_view::npos && p >= 6) prefix = backbone_page.substr(0, p - 6);
  prefix += "\\kap";
  SlashesFor(prefix);
  return prefix;
}

// The extension from the last "." behind the last backslash or colon.
std::string_view ExtensionOf(std::string_view path) {
  const size_t folder_end = path.find_last_of("\\:");
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  if (folder_end != std::string_view::npos && dot < folder_end) return {};
  return path.substr(dot);
}

bool InChapterSubFolder(std::string_view path) {
  return Contains(path, "/advanced/") || Contains(path, "/exercise/") ||
         Contains(path, "/illustr/") || Contains(path, "/basics/");
}

// Closes the formula file when the loop ends, also after a stop or an error.
class MathFileScope {
 public:
  MathFileScope(RunContext& run, bool open) : run_(run), open_(open) {
    if (open_) OpenMathFile(run_);
  }
  ~MathFileScope() {
    if (open_) CloseMathFile(run_);
  }
  MathFileScope(const MathFileScope&) = delete;
  MathFileScope& operator=(const MathFileScope&) = delete;

 private:
  RunContext& run_;
  bool open_;
};

// The names a listed page is rewritten under, when it is one to rewrite.
struct PagePlan {
  std::string source;
  std::string target;
  bool in_sub_folder = false;
};

std::optional<PagePlan> PlanPage(const SiteDatabase& db, size_t index, bool bind_no_back,
                                 const std::string& root_prefix) {
  std::string n = LowerCase(db.Files()[index]).substr(0, kNameWidth);
  const std::string_view extension = ExtensionOf(n);
  if (!db.FileRecords()[index].Exists || (extension != ".html" && extension != ".htm")) {
    return std::nullopt;
  }
  PagePlan plan{n, db.Files()[index], false};
  if (EndsWith(n, ".htm")) {
    plan.source = db.Files()[index];
    plan.target = n.substr(0, n.size() - 4) + ".html";
  }
  SlashesFor(n);
  if (bind_no_back) {
    if (!Contains(n, root_prefix)) return std::nullopt;
    plan.in_sub_folder = InChapterSubFolder(n);
  }
  return plan;
}

// Tells the file system which pages will be written, in order, for as long as the pass runs,
// so that it can prepare their files ahead.
class ExpectedWrites {
 public:
  ExpectedWrites(FileSystem& files, const SiteDatabase& db, bool bind_no_back,
                 const std::string& root_prefix)
      : files_(files) {
    std::vector<std::string> targets;
    for (size_t i = 1; i <= static_cast<size_t>(db.FileCount()); ++i) {
      if (std::optional<PagePlan> plan = PlanPage(db, i, bind_no_back, root_prefix)) {
        targets.push_back(plan->target.substr(0, kNameWidth));
      }
    }
    files_.ExpectWrites(std::move(targets));
  }
  ~ExpectedWrites() { files_.ExpectWrites({}); }
  ExpectedWrites(const ExpectedWrites&) = delete;
  ExpectedWrites& operator=(const ExpectedWrites&) = delete;

 private:
  FileSystem& files_;
};

}  // namespace

void RewriteAllPages(RunContext& run) {
  PageLists& lists = run.Lists;
  lists.CleanedList.Reset(run.SaveProjectname);
  lists.SetRootPrefix(RootPrefixOf(lists.BackboneList.Get(1)));
  const std::string root_prefix = lists.RootPrefix();
  const bool tex_html = run.Opts.tex_html;
  const bool with_math_file = tex_html && run.Opts.for_mathjax;
  MathFileScope math_file(run, with_math_file);
  // A page listed under two entries (x.htm and x.html, twice after the crawl's extension
  // switch, or by a path through a symbolic link) is rewritten once: a second rewrite would
  // replace the backup of its old text.
  std::unordered_set<std::string> rewritten;

  SiteDatabase& db = *run.Database;
  FileSystem& files = run.Files();
  ExpectedWrites expected(files, db, run.BindNoBack, root_prefix);
  for (int32_t i = 1; i <= db.FileCount(); ++i) {
    if (run.Stopped()) return;
    run.ShowProgress(i, db.FileCount());
    std::optional<PagePlan> plan =
        PlanPage(db, static_cast<size_t>(i), run.BindNoBack, root_prefix);
    if (!plan) continue;
    const std::string& source = plan->source;
    const std::string& target = plan->target;
    if (rewritten.contains(files.FileIdentity(target))) {
      if (source != target) db.ReplaceFile(i, target);  // the page was moved already
      continue;
    }
    // Moving onto a name that another file holds would overwrite that page. Converter mode
    // leaves the source in place and writes the target from it, every run anew.
    if (source != target && !tex_html && files.Exists(target)) {
      run.LogLine("!!!" + std::string(kMoveBlockedText) + source);
      continue;
    }
    if (source != target) db.ReplaceFile(i, target);
    // Every rewritten page reads its own section of the formula file.
    if (with_math_file) SeekMathPage(run, source);
    if (CleanFile(run, source, target, i, plan->in_sub_folder)) {
      // Taken now: the written page is a new file.
      rewritten.insert(files.FileIdentity(target));
    } else if (source != target) {
      db.ReplaceFile(i, source);  // left alone: it keeps its name
    }
  }
}

}  // namespace check_html
