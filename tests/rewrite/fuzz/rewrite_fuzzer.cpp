// Fuzz target for the page rewrite: one page of arbitrary bytes, crawled and then rewritten by
// the whole rewrite pass into an in-memory site, in hand-written or converter mode, and in
// hand-written mode then given the table repair. The input's size picks the options (bit 0
// tex_html, bit 1 for_mathjax, bit 2 xxx_mathjax, bit 3 a section page bound with BindNoBack,
// bit 4 Set_to_English, bit 5 table repair), so every mutation that adds or drops a byte tries
// another mode. The formula file is the sample site's. Any input must end without a crash,
// a hang or a sanitizer report, with the page rewritten or untouched, and never lost.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../../site/fuzz/fuzz_site.h"
#include "maint/table_repair.h"
#include "platform/memory_file_system.h"
#include "rewrite/rewrite_all_pages.h"
#include "site/tree_crawl.h"

namespace check_html {
namespace {

const std::string& FormulaFile() {
  static const std::string text = [] {
    std::stringstream bytes;
    bytes << std::ifstream(CHECK_HTML_SOURCE_DIR "/examples/site/zq/pdf_split/all_math.txt",
                           std::ios::binary)
                 .rdbuf();
    return bytes.str();
  }();
  return text;
}

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace
}  // namespace check_html

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace check_html;
  if (size > 256 * 1024) return 0;
  auto fuzz = std::make_unique<FuzzRun>();
  Options& options = fuzz->options;
  options.tex_html = (size & 1) != 0;
  options.for_mathjax = (size & 2) != 0;
  options.xxx_mathjax = (size & 4) != 0;
  const bool bound = (size & 8) != 0;
  options.Set_to_English = (size & 16) != 0;
  const bool repair = !options.tex_html && (size & 32) != 0;
  PageLists& lists = fuzz->lists;
  lists.BackboneList.Reset("Kesta");
  lists.BackboneList.Add("d:\\site\\zq\\html\\kap04\\backbone\\r_.html");
  const std::string page = bound ? "d:/site/zq/html/kap04/illustr/r_su2.html"
                                 : "d:/site/zq/html/kap04/backbone/r_se2.html";
  const std::string bak = page.substr(0, page.size() - 4) + "bak";
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  MemoryFileSystem& files = fuzz->files;
  files.AddFolder("d:/site/zq/html/check");
  files.AddFile("d:/site/zq/pdf_split/all_math.txt", FormulaFile());
  files.AddFile(page, bytes);

  RunContext& run = fuzz->run;
  run.SaveDir = "d:\\site\\zq\\html\\check";
  run.SaveProjectname = "Kesta";
  run.BindNoBack = bound;
  std::string start = page;
  for (char& c : start) c = c == '/' ? '\\' : c;
  CrawlTree(run, start);
  RewriteAllPages(run);
  if (repair) {
    const std::vector<std::string> cleaned = lists.CleanedList.Snapshot();
    for (size_t i = 1; i < cleaned.size(); ++i) RepairTables(run, cleaned[i]);
  }

  if (lists.CleanedList.Count() == 0) {
    Require(files.Contents(page) == bytes);  // left alone
  } else {
    Require(files.Contents(page).has_value());
    if (!options.tex_html) Require(files.Contents(bak) == bytes);  // the old text is the backup
  }
  return 0;
}
