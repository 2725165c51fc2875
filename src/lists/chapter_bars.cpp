#include "lists/chapter_bars.h"

#include <algorithm>

#include "platform/case_map.h"
#include "rewrite/button_templates.h"
#include "rewrite/nav_texts.h"
#include "rewrite/navigation_bars.h"
#include "run/run_context.h"
#include "site/report_page.h"

namespace check_html {
namespace {

// Everything up to and including the forward button, the table left open.
void AddBarUpToForward(const RunContext& run, ReportText& page, std::string_view forward,
                       std::string_view back) {
  const Options& options = run.Opts;
  const ButtonTemplates& buttons = ButtonsOf(run);
  page.EndLine();
  page.AddLine(kRuleLine);
  page.AddLine("<TABLE BORDER=\"0\">");
  page.AddLine("<TR>");
  page.AddLine(FrameOpening(options, FrameForm::kTable));
  page.AddLine(buttons.Index + InLanguage(options, kFrameCellEn, kFrameCellDe));
  page.AddLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_ba_ck\" HREF=\"" + std::string(back) + "\"><IMG");
  page.AddLine(buttons.Back + InLanguage(options, kBackCellEn, kBackCellDe));
  page.AddLine("<TD VALIGN=\"MIDDLE\"><A id=\"go_for_ward\" HREF=\"" + std::string(forward) +
               "\"><IMG");
  page.Add(buttons.Forward);
  page.Add(InLanguage(options, kForwardCellEn, kForwardCellDe));
}

}  // namespace

std::string ChapterPdfName(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const bool htm = name.size() >= 4 && EqualNoCase(name.substr(name.size() - 4), ".htm");
  name.remove_suffix(htm ? 3 : std::min<size_t>(4, name.size()));
  return std::string(name) + "pdf";
}

void ChapterPageBar(const RunContext& run, ReportText& page, std::string_view forward,
                    std::string_view back, std::string_view path) {
  AddBarUpToForward(run, page, forward, back);
  page.EndLine();
  page.AddLine("<TD VALIGN=\"MIDDLE\" WIDTH=\"120\" ALIGN=\"RIGHT\"><A HREF=\"" +
               ChapterPdfName(path) + "\"><IMG");
  page.AddLine(ButtonsOf(run).Pdf + InLanguage(run.Opts, kPdfCellEn, kPdfCellDe));
  page.AddLine(ReportFooterLine(run.Opts, run.SaveProjectname));
  page.AddLine("   ");
}

void ContentsBar(const RunContext& run, ReportText& page, std::string_view forward,
                 std::string_view back) {
  AddBarUpToForward(run, page, forward, back);
  page.AddLine("</TR></TABLE>");
  page.AddLine(ReportFooterLine(run.Opts, run.SaveProjectname));
}

}  // namespace check_html
