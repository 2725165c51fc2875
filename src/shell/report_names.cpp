#include "shell/report_names.h"

#include "platform/case_map.h"

namespace check_html {
namespace {

std::string NameOf(std::string_view prefix, std::string_view suffix) {
  std::string name(prefix);
  name += suffix;
  return LowerCase(name);
}

}  // namespace

ReportNames MakeReportNames(std::string_view prefix) {
  ReportNames names;
  names.CheckFile = NameOf(prefix, "_check.html");
  names.BadFile = NameOf(prefix, "_bad.html");
  names.DumFile = NameOf(prefix, "_dum.html");
  names.IndexFile = NameOf(prefix, "_index.html");
  names.AbkFile = NameOf(prefix, "_abk.html");
  names.NameFile = NameOf(prefix, "_name.html");
  names.TranslFile = NameOf(prefix, "_transl.html");
  names.NewFile = NameOf(prefix, "_new.html");
  names.AnchorFile = NameOf(prefix, "_anchors.html");
  names.ExtFile = NameOf(prefix, "_ext.html");
  names.PreviewFile = NameOf(prefix, "_preview.diff");
  return names;
}

}  // namespace check_html
