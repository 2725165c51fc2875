// Fuzz target for the crawl: a small site whose pages are the input's bytes, cut into pages at
// "<!--page-->", crawled from its start page, with the three link-check reports written from
// what the crawl found. Pages link each other by the names below, so inputs can make cycles,
// links to folders, pictures and missing files. Any input must end without a crash, a hang or a
// sanitizer report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_site.h"
#include "site/link_check_reports.h"
#include "site/tree_crawl.h"

namespace check_html {
namespace {

constexpr const char* kPageNames[] = {
    "d:/site/zq/html/start.html",         "d:/site/zq/html/kap01/backbone/r1.html",
    "d:/site/zq/html/kap01/illustr/a.htm", "d:/site/zq/html/kap01/illustr/b.html",
    "d:/site/zq/html/kap02/basics/c.html", "d:/site/zq/html/d.html",
};

}  // namespace
}  // namespace check_html

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace check_html;
  if (size > 256 * 1024) return 0;
  auto fuzz = std::make_unique<FuzzRun>();
  fuzz->options.Look_For_SubPath = (size & 1) != 0;
  MemoryFileSystem& files = fuzz->files;
  files.AddFolder("d:/site/zq/html/check");
  files.AddFolder("d:/site/zq/html/kap03");
  files.AddFile("d:/site/zq/html/styles/pic.gif", "GIF89a");
  files.AddFile("d:/site/zq/html/kap01/illustr/old.bak", "x");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  size_t n = 0;
  for (std::string_view page : CutPages(bytes, "<!--page-->")) {
    if (n == std::size(kPageNames)) break;
    files.AddFile(kPageNames[n++], page);
  }

  RunContext& run = fuzz->run;
  run.SaveDir = "d:\\site\\zq\\html\\check";
  run.SaveProjectname = "Kesta";
  CrawlTree(run, "d:\\site\\zq\\html\\start.html");
  WriteCrossCheck(run, run.SaveDir + "\\zq_check.html");
  WriteFailures(run, run.SaveDir + "\\zq_bad.html");
  WriteUnreferenced(run, run.SaveDir + "\\zq_dum.html");
  return 0;
}
