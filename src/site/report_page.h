// The frame shared by every report and list page: the page is built in memory, one line at a
// time with CR LF endings, and written in one piece when it is finished. Bytes pass through
// unchanged (Windows-1252; the pages declare iso-8859-1).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/site_database.h"

namespace check_html {

class RunContext;
struct Options;

// Text of a report or list file under construction.
class ReportText {
 public:
  // Appends to the current line.
  void Add(std::string_view text) { bytes_ += text; }
  // Ends the current line with CR LF.
  void EndLine() { bytes_ += "\r\n"; }
  void AddLine(std::string_view text) {
    Add(text);
    EndLine();
  }
  // The number list of the reports: each index in decimal followed by ", ", the line ended
  // after every 16th number of the list. The list itself is left open: the caller goes on
  // writing on its last line.
  void AddNumbers(const std::vector<LinkNode>& nodes);

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The first line of a report page: the page language follows Set_to_English.
std::string ReportHtmlLine(const Options& options);
inline constexpr const char* kReportBodyLine = "<BODY>";
// The last line: author label by Set_to_English, author by tex_html, then the project name.
std::string ReportFooterLine(const Options& options, std::string_view project);
// The German or the English form of a page title, by Set_to_English.
std::string_view ChooseTitle(const Options& options, std::string_view english,
                             std::string_view german);

// A report page of the run: shows "Speichere File " and the path on the status line when it
// is made, and writes the page to that path through the run's file system in Finish.
class ReportPage : public ReportText {
 public:
  ReportPage(RunContext& run, std::string path);

  // The head of the page: HTML, HEAD, TITLE, meta, style sheet, script closing the head,
  // BODY and the H1 line, the title in both of them.
  void AddHead(std::string_view title);
  // Adds the footer line and writes the page; FileError when it cannot be written.
  void Finish();

 private:
  RunContext& run_;
  std::string path_;
};

}  // namespace check_html
