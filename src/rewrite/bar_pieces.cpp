// The pieces of the table bar and the table bar of converter pages.
#include "rewrite/navigation_bars.h"

#include <utility>

#include "html/page_writer.h"
#include "rewrite/button_templates.h"
#include "rewrite/nav_texts.h"
#include "run/run_context.h"
#include "site/report_page.h"

namespace check_html {

std::string FrameOpening(const Options& options, FrameForm form) {
  std::string line =
      form == FrameForm::kParagraph ? "<P><A HREF=\"" : "<TD VALIGN=\"MIDDLE\"><A HREF=\"";
  line += options.HomeLink;
  line +=
      "\" ONCLICK=\"javascript: document.cookie='UXLL='+document.location.href+"
      "';path=/;SameSite=Lax'\"><IMG";
  return line;
}

void WriteFooter(RunContext& run) {
  run.Writer.WriteLine(ReportFooterLine(run.Opts, run.SaveProjectname));
}

void WriteTableBarStart(RunContext& run, std::string_view back, std::string_view forward) {
  PageWriter& writer = run.Writer;
  const ButtonTemplates& buttons = ButtonsOf(run);
  writer.WriteLine("<TABLE BORDER=\"0\">");
  writer.WriteLine("<TR>");
  writer.WriteLine(FrameOpening(run.Opts, FrameForm::kTable));
  writer.WriteLine(buttons.Index + InLanguage(run.Opts, kFrameCellEn, kFrameCellDe));
  writer.WriteLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_ba_ck\" HREF=\"" + std::string(back) +
                   "\"><IMG");
  writer.WriteLine(buttons.Back + InLanguage(run.Opts, kBackCellEn, kBackCellDe));
  writer.WriteLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_for_ward\" HREF=\"" + std::string(forward) +
                   "\"><IMG");
}

void WriteForwardButton(RunContext& run, bool ends_table) {
  std::string line = ButtonsOf(run).Forward + InLanguage(run.Opts, kForwardCellEn, kForwardCellDe);
  if (ends_table) line += "</TR></TABLE>";
  run.Writer.WriteLine(line);
}

void WritePdfCell(RunContext& run, std::string_view pdf_file) {
  run.Writer.WriteLine("<TD VALIGN=\"MIDDLE\" WIDTH=\"120\" ALIGN=\"RIGHT\"><A HREF=\"" +
                       std::string(pdf_file) + "\"><IMG");
  run.Writer.WriteLine(ButtonsOf(run).Pdf + InLanguage(run.Opts, kPdfCellEn, kPdfCellDe));
}

void TableBar(RunContext& run, std::string forward, std::string back, std::string pdf_name,
              bool is_sub_page) {
  if (IsSubPageName(forward)) forward = run.NextSectionPage;
  if (IsSubPageName(back)) back = is_sub_page ? run.SectionPage : run.PrevSectionPage;
  PageWriter& writer = run.Writer;
  writer.WriteOwnLine(kRuleLine);
  WriteTableBarStart(run, back, forward);
  const bool with_pdf = PdfBaseName(pdf_name);
  WriteForwardButton(run, !with_pdf);
  if (with_pdf) WritePdfCell(run, pdf_name + ".pdf");
  WriteFooter(run);
  writer.WriteLine("  ");
  writer.WriteLine("  ");
  writer.SaveOutput();
}

}  // namespace check_html
