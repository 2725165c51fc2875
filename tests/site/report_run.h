// Test set-up for the report passes: a run context on an in-memory site under d:/site with the
// output folder d:\site\check, hand-written mode, its front-end calls recorded.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "../run/run_fixture.h"

namespace check_html {

class ReportTest : public ::testing::Test, protected RunParts<> {
 protected:
  ReportTest() {
    options.tex_html = false;
    files.AddFolder("d:/site/check");
    run.SaveDir = "d:\\site\\check";
    run.SaveProjectname = "Kesta";
  }

  SiteDatabase& Db() { return database; }
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
};

// The lines joined, each ended by CR LF.
inline std::string CrLfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

}  // namespace check_html
