#include "lists/chapter_contents.h"

#include <algorithm>
#include <vector>

#include "lists/chapter_bars.h"
#include "lists/chapter_page.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/page_lists.h"
#include "site/report_page.h"
#include "site/text_file.h"

namespace check_html {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A drive-letter form or a leading separator.
bool IsAbsolute(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && IsSeparator(path[0]));
}

std::string RelativeIfAbsolute(const std::string& target, const std::string& base) {
  return IsAbsolute(target) ? RelativePath(target, base) : target;
}

// The id after `id`: "9" is followed by "a", every other id by the next character code.
char NextId(char id) { return id == '9' ? 'a' : static_cast<char>(id + 1); }

// The length of "backbone" plus its two separators: the id stands just before them.
constexpr size_t kBackboneTail = 10;

bool EndsInBackbone(std::string_view folder) {
  if (folder.size() <= kBackboneTail) return false;
  const std::string_view tail = folder.substr(folder.size() - kBackboneTail);
  return IsSeparator(tail.front()) && IsSeparator(tail.back()) &&
         tail.substr(1, kBackboneTail - 2) == "backbone";
}

// The backbone folder of the chapter after the one in `folder`.
std::string NextChapterFolder(std::string folder) {
  char& id = folder[folder.size() - kBackboneTail - 1];
  id = NextId(id);
  return folder;
}

std::string ContentsName(char id) { return std::string("r") + id + ".html"; }

// The chapter's pages in byte order, the contents page among them whether it exists yet or not.
std::vector<std::string> ChapterPages(const FileSystem& files, const std::string& folder,
                                      const std::string& contents_name) {
  std::vector<std::string> pages{contents_name};
  for (const FolderEntry& entry : files.ListFolder(folder, "*")) {
    if (entry.is_folder) continue;
    std::string name = LowerCase(entry.name);
    if (name.size() < 4 || name.compare(0, 2, contents_name, 0, 2) != 0) continue;
    const std::string_view end = std::string_view(name).substr(name.size() - 4);
    if (end == ".htm" || end == "html") pages.push_back(std::move(name));
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
}

void AddContentsHead(const Options& options, ReportText& page, int chapter) {
  const std::string number = std::to_string(chapter);
  page.AddLine(ReportHtmlLine(options));
  page.AddLine("<HEAD>");
  page.AddLine(options.Set_to_English ? "<TITLE>Contents of Chapter " + number + "</TITLE>"
                              : "<TITLE>Inhalt von Kapitel " + number + "</TITLE>");
  page.AddLine(
      "<LINK HREF=\"../styles/kap_s.css\" REL=\"stylesheet\" TITLE=\"zq\" "
      "TYPE=\"text/css\"></HEAD>");
  page.AddLine("<BODY>");
}

void AddToBackboneList(PageList& list, const std::string& folder,
                       const std::vector<std::string>& pages) {
  const auto lock = list.Lock();
  for (const std::string& page : pages) {
    if (list.Count() < kPageListLast) list.Add(folder + page);
  }
}

}  // namespace

bool WriteChapterContents(RunContext& run, int chapter, const std::string& folder,
                          const std::string& name, std::string next, const std::string& back,
                          std::string& carried) {
  const std::vector<std::string> pages = ChapterPages(run.Files(), folder, name);
  std::vector<std::string> chain;  // the pages to bind: all but the contents page
  std::copy_if(pages.begin(), pages.end(), std::back_inserter(chain),
               [&name](const std::string& page) { return page != name; });

  const std::string contents_path = folder + name;
  ReportText contents;
  AddContentsHead(run.Opts, contents, chapter);
  next = RelativeIfAbsolute(next, contents_path);
  std::string before = name;
  for (size_t i = 0; i < chain.size(); ++i) {
    if (run.Stopped()) return false;
    const std::string& forward = i + 1 < chain.size() ? chain[i + 1] : next;
    CheckChapterPage(run, folder + chain[i], chain[i], forward, before, contents);
    before = chain[i];
  }
  const std::string back_target = carried.empty() ? RelativeIfAbsolute(back, contents_path)
                                                  : RelativePath(carried, contents_path);
  ContentsBar(run, contents, chain.empty() ? next : chain.front(), back_target);
  SaveTextFile(run.Files(), contents_path, contents.Bytes());

  carried = folder + before;
  AddToBackboneList(run.Lists.BackboneList, folder, pages);
  return true;
}

void BuildChapterContents(RunContext& run, const std::string& start_file) {
  run.Lists.BackboneList.Reset(run.SaveProjectname);
  const size_t slash = start_file.find_last_of("\\/");
  std::string folder = LowerCase(start_file.substr(0, slash == std::string::npos ? 0 : slash + 1));
  const bool chained = EndsInBackbone(folder);
  char id = '1';
  std::string carried;
  for (int chapter = 1;; ++chapter) {
    const char next_id = NextId(id);
    const std::string next_folder = chained ? NextChapterFolder(folder) : "";
    const bool has_next =
        chained && !run.Files().ListFolder(next_folder, std::string("r") + next_id + "*").empty();
    const std::string& home = run.Opts.HomeLink;
    const std::string next = has_next ? next_folder + ContentsName(next_id) : home;
    if (!WriteChapterContents(run, chapter, folder, ContentsName(id), next, home, carried)) {
      return;
    }
    if (!has_next) return;
    folder = next_folder;
    id = next_id;
  }
}

}  // namespace check_html
