#include "site/report_page.h"

#include <utility>

#include "run/run_context.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr int kNumbersPerLine = 16;

}  // namespace

void ReportText::AddNumbers(const std::vector<LinkNode>& nodes) {
  int on_line = 0;
  for (const LinkNode& node : nodes) {
    Add(std::to_string(node.Index));
    Add(", ");
    if (++on_line == kNumbersPerLine) {
      EndLine();
      on_line = 0;
    }
  }
}

std::string ReportHtmlLine(const Options& options) {
  return options.Set_to_English ? "<HTML lang=\"en\">" : "<HTML lang=\"de\">";
}

std::string ReportFooterLine(const Options& options, std::string_view project) {
  std::string line = "<P CLASS=\"footer\">";
  line += options.Set_to_English ? "Author: " : "Autor: ";
  line += options.tex_html ? "Anvelt" : "Brisco";
  line += ", ";
  line += project;
  line += "</P></BODY></HTML>";
  return line;
}

std::string_view ChooseTitle(const Options& options, std::string_view english,
                             std::string_view german) {
  return options.Set_to_English ? english : german;
}

ReportPage::ReportPage(RunContext& run, std::string path)
    : run_(run), path_(std::move(path)) {
  run_.ShowStatus("Speichere File " + path_);
}

void ReportPage::AddHead(std::string_view title) {
  AddLine(ReportHtmlLine(run_.Opts));
  AddLine("<HEAD>");
  Add("<TITLE>");
  Add(title);
  AddLine("</TITLE>");
  AddLine("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
  AddLine(
      "<LINK HREF=\"../styles/overview.css\" REL=\"stylesheet\" TITLE=\"zq\" "
      "TYPE=\"text/css\">");
  AddLine(
      "<SCRIPT ID=\"zq_x_1\" LANGUAGE=\"JavaScript\" "
      "SRC=\"../styles/zq_check_pagestyle.js\"></SCRIPT></HEAD>");
  AddLine(kReportBodyLine);
  Add("<H1>");
  Add(title);
  AddLine("</H1>");
}

void ReportPage::Finish() {
  AddLine(ReportFooterLine(run_.Opts, run_.SaveProjectname));
  SaveTextFile(run_.Files(), path_, Bytes());
}

}  // namespace check_html
