// Test set-ups for the rewrite. RewriteTest: a run on an in-memory file system and the per-page
// state of one page; load the text that follows a tag, call a handler, then compare Output().
// DriverTest: a run over an in-memory site whose crawl result is given directly; AddPage puts a
// page on the "disk" and into Files as the crawl finds it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/case_map.h"
#include "platform/memory_file_system.h"
#include "rewrite/page_rewrite.h"
#include "shell/html_thread.h"
#include "shell/options.h"
#include "site/page_lists.h"
#include "site/site_database.h"
#include "../shell/recording_run.h"

namespace check_html {

class RewriteTest : public ::testing::Test {
 protected:
  RewriteTest() {
    ResetOptions();
    page.SourceName = page.TargetName = "d:/site/kap01/page.html";
    page.BakName = "d:/site/kap01/page.bak";
    page.PdfBase = "page";
    run.Writer.BeginOutput(page.TargetName);
  }
  ~RewriteTest() override { ResetOptions(); }

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

  MemoryFileSystem files;
  RecordingFrontEnd front_end;
  THTML_Thread run{front_end, files};
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

// Calls `on_log` after recording each log line.
class DriverFrontEnd : public RecordingFrontEnd {
 public:
  void LogLine(const std::string& text) override {
    RecordingFrontEnd::LogLine(text);
    if (on_log) on_log(text);
  }
  std::function<void(const std::string&)> on_log;
};

class DriverRun : public THTML_Thread {
 public:
  using THTML_Thread::THTML_Thread;
  ~DriverRun() override { Wait(); }
  using THTML_Thread::RewriteAllPages;
};

class DriverTest : public ::testing::Test {
 protected:
  DriverTest() {
    ResetOptions();
    tex_html = false;
    ListFull = false;
    CleanedList.Reset("zq");
    run.SaveProjectname = "zq";
    run.Database = std::make_unique<SiteDatabase>();
  }
  ~DriverTest() override { ResetOptions(); }

  int32_t AddEntry(const std::string& path, bool exists) {
    const int32_t i = run.Database->AddFile(path, 0, "");
    run.Database->FileRecords()[static_cast<size_t>(i)].Exists = exists;
    return i;
  }
  int32_t AddPage(const std::string& path, std::string_view bytes) {
    files.AddFile(path, bytes);
    return AddEntry(path, true);
  }
  std::string Text(std::string_view path) const { return files.Contents(path).value_or("(none)"); }

  DriverFiles files;
  DriverFrontEnd front_end;
  DriverRun run{front_end, files};
};

}  // namespace check_html
