// Test set-up for the tag handlers: a run on an in-memory file system and the per-page state of
// one page. Load the text that follows the tag, call a handler, then compare Output().
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "rewrite/page_rewrite.h"
#include "shell/html_thread.h"
#include "shell/options.h"
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

  MemoryFileSystem files;
  RecordingFrontEnd front_end;
  THTML_Thread run{front_end, files};
  PageRewrite page{run};
};

}  // namespace check_html
