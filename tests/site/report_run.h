// Test set-up for the report passes: a run on an in-memory site under d:/site with the output
// folder d:\site\check, its report passes callable directly and its front-end calls recorded.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "shell/html_thread.h"
#include "shell/options.h"
#include "site/site_database.h"
#include "../shell/recording_run.h"

namespace check_html {

class ReportRun : public THTML_Thread {
 public:
  using THTML_Thread::THTML_Thread;
  using THTML_Thread::WriteCrossCheck, THTML_Thread::WriteFailures;
  using THTML_Thread::WriteRefList, THTML_Thread::WriteUnreferenced;
};

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() {
    ResetOptions();
    tex_html = false;
    files.AddFolder("d:/site/check");
    run.SaveDir = "d:\\site\\check";
    run.SaveProjectname = "Kesta";
    run.Database = std::make_unique<SiteDatabase>();
  }
  ~ReportTest() override { ResetOptions(); }

  SiteDatabase& Db() { return *run.Database; }
  std::string Written(std::string_view path) const {
    return files.Contents(path).value_or("(missing)");
  }
  // The body of a written report page: the lines between the H1 line and the footer line.
  std::string Body(std::string_view path) const {
    const std::string text = Written(path);
    const std::size_t begin = text.find("</H1>\r\n");
    const std::size_t end = text.rfind("<P CLASS=\"footer\">");
    if (begin == std::string::npos || end == std::string::npos) return text;
    return text.substr(begin + 7, end - begin - 7);
  }

  MemoryFileSystem files;
  RecordingFrontEnd front_end;
  ReportRun run{front_end, files};
};

// The lines joined, each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

}  // namespace check_html
