// The reference list for the PDF converter, written only for sites that come from the TeX
// converter.
#include "site/link_check_reports.h"

#include "run/run_context.h"
#include "site/report_page.h"
#include "site/text_file.h"

namespace check_html {

void WriteRefList(RunContext& run, const std::string& path) {
  if (!run.Opts.tex_html) return;
  run.ShowStatus("Safe File " + path);
  ReportText text;
  for (const std::string& line : run.RefList) text.AddLine(line);
  SaveTextFile(run.Files(), path, text.Bytes());
}

}  // namespace check_html
