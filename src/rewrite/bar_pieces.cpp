// The pieces of the table bar and the table bar of converter pages.
#include "rewrite/navigation_bars.h"

#include <utility>

#include "html/page_writer.h"
#include "rewrite/button_templates.h"
#include "rewrite/nav_texts.h"
#include "shell/html_thread.h"
#include "shell/options.h"
#include "site/report_page.h"

namespace check_html {

std::string FrameOpening(FrameForm form) {
  std::string line =
      form == FrameForm::kParagraph ? "<P><A HREF=\"" : "<TD VALIGN=\"MIDDLE\"><A HREF=\"";
  line += HomeLink;
  line +=
      "\" ONCLICK=\"javascript: document.cookie='UXLL='+document.location.href+"
      "';path=/;SameSite=Lax'\"><IMG";
  return line;
}

void WriteFooter(PageWriter& writer, std::string_view project) {
  writer.WriteLine(ReportFooterLine(project));
}

void WriteTableBarStart(PageWriter& writer, std::string_view back, std::string_view forward) {
  writer.WriteLine("<TABLE BORDER=\"0\">");
  writer.WriteLine("<TR>");
  writer.WriteLine(FrameOpening(FrameForm::kTable));
  writer.WriteLine(IndexButton + InLanguage(kFrameCellEn, kFrameCellDe));
  writer.WriteLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_ba_ck\" HREF=\"" + std::string(back) +
                   "\"><IMG");
  writer.WriteLine(BackButton + InLanguage(kBackCellEn, kBackCellDe));
  writer.WriteLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_for_ward\" HREF=\"" + std::string(forward) +
                   "\"><IMG");
}

void WriteForwardButton(PageWriter& writer, bool ends_table) {
  std::string line = ForwardButton + InLanguage(kForwardCellEn, kForwardCellDe);
  if (ends_table) line += "</TR></TABLE>";
  writer.WriteLine(line);
}

void WritePdfCell(PageWriter& writer, std::string_view pdf_file) {
  writer.WriteLine("<TD VALIGN=\"MIDDLE\" WIDTH=\"120\" ALIGN=\"RIGHT\"><A HREF=\"" +
                   std::string(pdf_file) + "\"><IMG");
  writer.WriteLine(PdfButton + InLanguage(kPdfCellEn, kPdfCellDe));
}

void TableBar(THTML_Thread& run, std::string forward, std::string back, std::string pdf_name,
              bool is_sub_page) {
  if (IsSubPageName(forward)) forward = run.NextSectionPage;
  if (IsSubPageName(back)) back = is_sub_page ? run.SectionPage : run.PrevSectionPage;
  PageWriter& writer = run.Writer;
  writer.WriteOwnLine(kRuleLine);
  WriteTableBarStart(writer, back, forward);
  const bool with_pdf = PdfBaseName(pdf_name);
  WriteForwardButton(writer, !with_pdf);
  if (with_pdf) WritePdfCell(writer, pdf_name + ".pdf");
  WriteFooter(writer, run.SaveProjectname);
  writer.WriteLine("  ");
  writer.WriteLine("  ");
  writer.SaveOutput();
}

}  // namespace check_html
