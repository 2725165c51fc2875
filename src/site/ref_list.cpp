// The reference list for the PDF converter, written only for sites that come from the TeX
// converter.
#include "shell/html_thread.h"

#include "shell/options.h"
#include "site/report_page.h"
#include "site/text_file.h"

namespace check_html {

void THTML_Thread::WriteRefList(const std::string& path) {
  if (!tex_html) return;
  ShowStatus("Safe File " + path);
  ReportText text;
  for (const std::string& line : RefList) text.AddLine(line);
  SaveTextFile(Files(), path, text.Bytes());
}

}  // namespace check_html
