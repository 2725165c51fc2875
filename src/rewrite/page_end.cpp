// The bottom bar and page end of a rewritten page.
#include "rewrite/navigation_bars.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "html/path_text.h"
#include "rewrite/button_templates.h"
#include "rewrite/nav_texts.h"
#include "rewrite/page_rewrite.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

// A LinkedFrom node that names a page: the start file's entry (index 0) has none.
bool NamesPage(const LinkNode& node, std::span<const std::string> files) {
  return node.Index > 0 && static_cast<size_t>(node.Index) < files.size();
}

// The frame button and index picture of the paragraph-form bars, behind the rule line.
void WriteFrameParagraph(RunContext& run) {
  run.Writer.WriteOwnLine(kRuleLine);
  run.Writer.WriteLine(FrameOpening(run.Opts, FrameForm::kParagraph));
  run.Writer.WriteLine(ButtonsOf(run).Index + InLanguage(run.Opts, kWithFrameEn, kWithFrameDe));
}

// The bar of a converter sub-page: frame and PDF buttons and one go-to line leading to the tail
// of the section page, titled with the first linking page inside it. When no linking page lies
// inside it, the section page's name stands as the link text.
void GoToBar(PageRewrite& page) {
  RunContext& run = page.run;
  PageWriter& writer = page.writer;
  const ButtonTemplates& buttons = ButtonsOf(run);
  WriteFrameParagraph(run);
  std::string pdf_name = page.TargetName;
  if (PdfBaseName(pdf_name)) {
    writer.WriteLine("<A HREF=\"" + pdf_name + ".pdf\"><IMG");
    writer.WriteLine(buttons.Pdf + InLanguage(run.Opts, kAsPdfEn, kAsPdfDe) + " </P>");
  } else {
    writer.WriteLine("</P>");
  }
  writer.WriteLine("<P><A id=\"go_for_ward\" HREF=\"" + run.SectionPage + "#tail" +
                   run.SectionPage + "\"><IMG");
  writer.WriteLine(buttons.GoTo + InLanguage(run.Opts, kGoToEn, kGoToDe));
  writer.WriteLine(std::string(" ") + kGoToSize);
  const SiteDatabase& base = *run.Database;
  std::string title = run.SectionPage;
  for (const LinkNode& node : base.FileRecords()[static_cast<size_t>(page.FileIndex)].LinkedFrom) {
    const size_t index = static_cast<size_t>(node.Index);
    if (NamesPage(node, base.Files()) &&
        base.Files()[index].find(run.SectionPage) != std::string::npos) {
      title = base.Titles()[index];
      break;
    }
  }
  writer.WriteLine(title + " </A></P>");
  WriteFooter(run);
  writer.SaveOutput();
}

// The bar of a hand-written page in a chapter's sub-folder: frame and PDF buttons, then a go-to
// line per linking page in list order, the first of them carrying the id go_for_ward.
void SubFolderBar(PageRewrite& page) {
  const SiteDatabase& base = *page.run.Database;
  PageWriter& writer = page.writer;
  const ButtonTemplates& buttons = ButtonsOf(page.run);
  WriteFrameParagraph(page.run);
  std::string pdf_file = SlashToBack(base.Files()[static_cast<size_t>(page.FileIndex)]);
  pdf_file.erase(0, pdf_file.find_last_of("\\:") + 1);  // npos + 1 keeps the whole name
  pdf_file.resize(pdf_file.size() < 4 ? 0 : pdf_file.size() - 4);
  writer.WriteLine("<A HREF=\"" + pdf_file + "pdf\"><IMG");
  writer.WriteLine(buttons.Pdf + kAsPdfEn + "</P>");
  bool first = true;
  for (const LinkNode& node : base.FileRecords()[static_cast<size_t>(page.FileIndex)].LinkedFrom) {
    if (!NamesPage(node, base.Files())) continue;
    const size_t index = static_cast<size_t>(node.Index);
    std::string anchor(node.Anchor);
    if (!anchor.empty() && anchor.front() != '#') anchor.insert(0, "#");
    const std::string href = RelativePath(base.Files()[index], page.SourceName) + anchor;
    writer.WriteLine((first ? "<P><A id=\"go_for_ward\" HREF=\"" : "<P><A HREF=\"") + href +
                     "\"><IMG");
    writer.WriteLine(buttons.GoTo + InLanguage(page.run.Opts, kGoToEn, kGoToDe));
    writer.WriteLine(kGoToSize);
    writer.WriteLine(base.Titles()[index] + " </A></P>");
    first = false;
  }
}

void ConverterPageEnd(PageRewrite& page) {
  if (page.IsSubPage && page.HasCrosslinks) {
    GoToBar(page);
  } else if (page.HasCrosslinks) {
    if (page.IsLi1Page) page.BackTarget = "../../index.html";
    TableBar(page.run, page.ForwardTarget, page.BackTarget, page.TargetName, page.IsSubPage);
  } else {
    page.writer.WriteLine("</BODY></HTML>");
    page.writer.SaveOutput();
  }
}

void HandWrittenPageEnd(PageRewrite& page) {
  PageWriter& writer = page.writer;
  if (page.InSubFolder) SubFolderBar(page);
  if (page.InNoFrames) {
    writer.WriteLine("</BODY></NOFRAMES></HTML>");
  } else if (page.BodyEnded && page.InSubFolder) {
    writer.WriteOwnLine(ReportFooterLine(page.run.Opts, page.run.SaveProjectname));
  } else if (page.BodyEnded) {
    writer.WriteOwnLine("</BODY></HTML>");
  } else {
    writer.WriteLine("</HTML>");
  }
  writer.WriteLine("  ");
  writer.WriteLine("  ");
  writer.SaveOutput();
}

}  // namespace

void EndOfPage(PageRewrite& page) {
  if (page.run.Opts.tex_html) {
    ConverterPageEnd(page);
  } else {
    HandWrittenPageEnd(page);
  }
}

}  // namespace check_html
