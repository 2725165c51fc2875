// What the crawl and rewrite fuzz targets share: a front end that shows nothing, a run context
// on an in-memory file system, and the cutting of one input into pages.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_file_system.h"
#include "run/front_end.h"
#include "run/run_context.h"
#include "site/page_lists.h"
#include "site/site_database.h"

namespace check_html {

class QuietFrontEnd : public RunFrontEnd {
 public:
  void LogLine(const std::string&) override {}
  void ShowStatus(const std::string&) override {}
  void SetButtonCaption(const std::string&) override {}
  void Synchronize(const std::function<void()>& call) override { call(); }
};

// A run context with everything it refers to, made afresh for each input.
struct FuzzRun {
  FuzzRun() { run.Database = &database; }

  MemoryFileSystem files;
  QuietFrontEnd front_end;
  Options options;
  PageLists lists;
  SiteDatabase database;
  RunContext run{RunEnvironment{front_end, files, options, lists}};
};

// The pages of one input: the bytes cut at every `page_break`.
inline std::vector<std::string_view> CutPages(std::string_view bytes, std::string_view page_break) {
  std::vector<std::string_view> pages;
  for (size_t at = bytes.find(page_break); at != std::string_view::npos;
       at = bytes.find(page_break)) {
    pages.push_back(bytes.substr(0, at));
    bytes.remove_prefix(at + page_break.size());
  }
  pages.push_back(bytes);
  return pages;
}

}  // namespace check_html
