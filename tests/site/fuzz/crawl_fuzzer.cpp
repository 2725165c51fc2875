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
#include "platform/memory_file_system.h"
#include "shell/options.h"
#include "site/site_database.h"

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
  ResetOptions();
  Look_For_SubPath = (size & 1) != 0;
  MemoryFileSystem files;
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

  QuietFrontEnd front_end;
  FuzzRun run(front_end, files);
  run.SaveDir = "d:\\site\\zq\\html\\check";
  run.SaveProjectname = "Kesta";
  run.Database = std::make_unique<SiteDatabase>();
  run.CrawlTree("d:\\site\\zq\\html\\start.html");
  run.WriteCrossCheck(run.SaveDir + "\\zq_check.html");
  run.WriteFailures(run.SaveDir + "\\zq_bad.html");
  run.WriteUnreferenced(run.SaveDir + "\\zq_dum.html");
  return 0;
}
