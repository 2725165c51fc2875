// The file names (without folder) of the reports a run writes, all made from the report prefix:
// prefix + "_check.html" and so on, the whole name in lower case.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

struct ReportNames {
  std::string CheckFile;   // cross-check report
  std::string BadFile;     // failure report
  std::string DumFile;     // unreferenced-file report
  std::string IndexFile;   // index list
  std::string AbkFile;     // abbreviations list
  std::string NameFile;    // names list
  std::string TranslFile;  // translations list
  std::string NewFile;     // news list
  std::string AnchorFile;   // missing anchors (with CheckAnchors)
  std::string ExtFile;      // external links (with CheckExternal)
  std::string PreviewFile;  // the diff of a dry run

  bool operator==(const ReportNames&) const = default;
};

ReportNames MakeReportNames(std::string_view prefix);

}  // namespace check_html
