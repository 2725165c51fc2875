// Test set-ups for the rewrite. RewriteTest: a run context on an in-memory file system and the
// per-page state of one page; load the text that follows a tag, call a handler, then compare
// Output(). DriverTest: a run context over an in-memory site whose crawl result is given
// directly; AddPage puts a page on the "disk" and into Files as the crawl finds it.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "../run/run_fixture.h"
#include "platform/case_map.h"
#include "rewrite/page_rewrite.h"

namespace check_html {

class RewriteTest : public ::testing::Test, protected RunParts<> {
 protected:
  RewriteTest() {
    page.SourceName = page.TargetName = "d:/site/kap01/page.html";
    page.BakName = "d:/site/kap01/page.bak";
    page.PdfBase = "page";
    run.Writer.BeginOutput(page.TargetName);
  }

  // The page text the handler reads on from (what follows the tag it is given).
  void Load(std::string rest) { run.Reader.LoadText(std::move(rest)); }
  // Everything written so far, the pending line included.
  std::string Output() const { return run.Writer.OutText() + run.Writer.OutLine(); }
  // What `write` writes to a new output.
  template <class Write>
  std::string Fresh(Write write) {
    run.Writer.BeginOutput("out.html");
    write();
    return Output();
  }

  PageRewrite page{run};
};

// Writing `failing_write` fails as on a full disk.
class DriverFiles : public MemoryFileSystem {
 public:
  FileStatus WriteFile(std::string_view path, std::string_view bytes) override {
    if (EqualNoCase(path, failing_write)) return FileStatus::kIoError;
    return MemoryFileSystem::WriteFile(path, bytes);
  }
  std::string failing_write;
};

class DriverTest : public ::testing::Test, protected RunParts<DriverFiles> {
 protected:
  DriverTest() {
    options.tex_html = false;
    lists.CleanedList.Reset("zq");
    run.SaveProjectname = "zq";
  }

  int32_t AddEntry(const std::string& path, bool exists) {
    const int32_t i = database.AddFile(path, 0, "");
    database.FileRecords()[static_cast<size_t>(i)].Exists = exists;
    return i;
  }
  int32_t AddPage(const std::string& path, std::string_view bytes) {
    files.AddFile(path, bytes);
    return AddEntry(path, true);
  }
  std::string Text(std::string_view path) const { return files.Contents(path).value_or("(none)"); }
};

}  // namespace check_html
