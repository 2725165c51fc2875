// What the crawl and rewrite fuzz targets share: a front end that shows nothing, a run object
// whose passes can be called one by one, and the cutting of one input into pages.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/front_end.h"
#include "shell/html_thread.h"

namespace check_html {

class QuietFrontEnd : public RunFrontEnd {
 public:
  void LogLine(const std::string&) override {}
  void ShowStatus(const std::string&) override {}
  void SetButtonCaption(const std::string&) override {}
  void Synchronize(const std::function<void()>& call) override { call(); }
};

class FuzzRun : public THTML_Thread {
 public:
  using THTML_Thread::THTML_Thread;
  ~FuzzRun() override { Wait(); }
  using THTML_Thread::CrawlTree, THTML_Thread::RewriteAllPages, THTML_Thread::WriteCrossCheck;
  using THTML_Thread::WriteFailures, THTML_Thread::WriteUnreferenced;
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
