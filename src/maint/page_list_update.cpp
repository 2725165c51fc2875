#include "maint/page_list_update.h"

#include <algorithm>
#include <string>
#include <vector>

#include "html/path_text.h"
#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/page_lists.h"

namespace check_html {
namespace {

constexpr const char* kBackboneFolder = "\\backbone\\";
// Logged (after "!!!") for a chapter page that no longer fits into the page lists.
constexpr const char* kListFullText = "Page list full, tables not repaired: ";

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

void LogEntries(RunContext& run, const PageList& list) {
  const int32_t count = list.Count();
  for (int32_t i = 1; i <= count; ++i) run.LogLine(list.Get(i));
  run.LogLine(std::to_string(count));
}

// Every entry 1..count of CleanedList in backslash form and lower case.
void NormalizeCleanedList(PageList& CleanedList) {
  const int32_t count = CleanedList.Count();
  for (int32_t i = 1; i <= count; ++i) {
    CleanedList.Set(i, LowerCase(SlashToBack(CleanedList.Get(i))));
  }
}

// The site folder from the first backbone page, whose folder is kap and two characters.
std::string RootPrefixOf(const std::string& first_backbone_page) {
  const size_t p = first_backbone_page.find(kBackboneFolder);
  std::string prefix;
  if (p != std::string::npos && p >= 6) prefix = first_backbone_page.substr(0, p - 6);
  return prefix + "\\kap";
}

// Backbone pages first, in their order, then the other rewritten chapter pages sorted.
void AppendChapterPages(RunContext& run) {
  PageList& BackboneList = run.Lists.BackboneList;
  PageList& CleanedList = run.Lists.CleanedList;
  const int32_t backbone_count = BackboneList.Count();
  for (int32_t i = 1; i <= backbone_count; ++i) {
    BackboneList.Set(i, LowerCase(BackboneList.Get(i)));
    run.LogLine(BackboneList.Get(i));
  }
  run.LogLine(std::to_string(backbone_count));
  run.Lists.SetRootPrefix(RootPrefixOf(BackboneList.Get(1)));
  const std::string root_prefix = run.Lists.RootPrefix();

  NormalizeCleanedList(CleanedList);
  std::vector<std::string> chapter_pages;
  int32_t n = backbone_count;
  for (int32_t i = 1; i <= CleanedList.Count(); ++i) {
    std::string page = CleanedList.Get(i);
    if (Contains(page, kBackboneFolder) || !Contains(page, root_prefix)) continue;
    if (n == kPageListLast) {
      run.LogLine("!!!" + std::string(kListFullText) + page);
      continue;
    }
    BackboneList.Set(++n, page);  // behind the backbone list's count, which stays
    chapter_pages.push_back(std::move(page));
  }
  std::sort(chapter_pages.begin(), chapter_pages.end());

  for (int32_t i = 1; i <= backbone_count; ++i) CleanedList.Set(i, BackboneList.Get(i));
  int32_t i = backbone_count;
  for (const std::string& page : chapter_pages) CleanedList.Set(++i, page);
  CleanedList.SetCount(n);
}

void CopyCleanedToBackbone(PageList& BackboneList, PageList& CleanedList) {
  NormalizeCleanedList(CleanedList);
  const int32_t count = CleanedList.Count();
  for (int32_t i = 0; i <= count; ++i) BackboneList.Set(i, CleanedList.Get(i));
  BackboneList.SetCount(count);
}

}  // namespace

void UpdatePageLists(RunContext& run) {
  if (run.Stopped()) return;
  // The pipe threads may read or write the lists meanwhile: both are held throughout.
  PageLists& lists = run.Lists;
  const auto backbone_lock = lists.BackboneList.Lock();
  const auto cleaned_lock = lists.CleanedList.Lock();
  if (run.BindBack) {
    AppendChapterPages(run);
  } else {
    CopyCleanedToBackbone(lists.BackboneList, lists.CleanedList);
  }
  LogEntries(run, lists.CleanedList);
}

}  // namespace check_html
