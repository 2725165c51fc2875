#include "lists/latex_index.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "html/page_writer.h"
#include "lists/latex_entry_list.h"
#include "lists/latex_entry_text.h"
#include "lists/latex_idx_reader.h"
#include "lists/latex_index_group.h"
#include "lists/latex_index_page.h"
#include "platform/file_system.h"
#include "rewrite/navigation_bars.h"
#include "run/run_context.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr std::size_t kLinkCapacity = 255;

// The start file without its extension; nothing when its name holds no ".".
std::optional<std::string> BaseName(const std::string& start_file) {
  const std::size_t dot = start_file.rfind('.');
  const std::size_t slash = start_file.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  return start_file.substr(0, dot);
}

std::string FileNamePart(const std::string& path) {
  return path.substr(path.find_last_of("\\/") + 1);
}

void WriteIndexHead(PageWriter& writer) {
  writer.WriteLine("<Html lang=\"en\">");
  writer.WriteLine("<Head><Title>Index</Title>");
  writer.WriteLine("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
  writer.WriteLine("<!-- html,mathml,graphics-110,index=1,3,next -->");
  writer.WriteLine("<link rel=\"stylesheet\" type=\"text/css\" href=\"r_.css\">");
  writer.WriteOwnLine("<SCRIPT ID=\"zq_x_1\" SRC=\"../../styles/zq_cs.js\"></SCRIPT>");
  writer.WriteLine("</Head><BODY>");
  writer.WriteLine(
      "   <H2 class=\"likechapterHead\"><A id=\"x38-470004.6\"  NAME=\"_dum_1\"></a>Index</H2>");
}

// The table bar with the two links, the forward button closing the table, no PDF button, the
// footer; then the page is saved.
void WriteIndexBar(RunContext& run, std::string_view forward, std::string_view back) {
  run.Writer.WriteOwnLine(kRuleLine);
  WriteTableBarStart(run, back, forward);
  WriteForwardButton(run, /*ends_table=*/true);
  WriteFooter(run);
  run.Writer.SaveOutput();
}

// Reads every record: its link goes to RefList and, with its shown and its sort text, to the list.
LatexEntryList ReadEntries(RunContext& run, IdxReader& reader) {
  LatexEntryList entries;
  while (!reader.AtEnd()) {
    std::optional<IdxRecord> record = reader.ReadRecord();
    if (!record) continue;
    std::string link = (record->page + "#" + record->anchor).substr(0, kLinkCapacity);
    run.RefList.push_back(link);
    entries.Add(IndexEntry{LatexToEntity(ShownEntryText(record->text)) + "!!",
                           LatexToEntity(SortEntryText(record->text)) + "!!", std::move(link)});
  }
  return entries;
}

}  // namespace

void WriteLatexIndex(RunContext& run) {
  const std::optional<std::string> base = BaseName(run.StartFile);
  if (!base) return;
  const std::string idx_file = *base + ".idx";
  if (!run.Files().Exists(idx_file)) return;
  IdxReader reader(LoadTextFile(run.Files(), idx_file));
  const std::string work = *base + "lii.html";
  const std::string target = LatexIndexTarget(*base);
  const IndexPagePlace place = FindIndexPage(run.Files(), *base);

  run.Writer.BeginOutput(work);
  WriteIndexHead(run.Writer);
  run.RefList.push_back("FILE " + FileNamePart(place.path.empty() ? target : place.path));
  WriteIndexGroups(run.Writer, ReadEntries(run, reader).Sorted());
  run.Writer.WriteLine("</P>");
  WriteIndexBar(run, "../../index.html", run.SectionPage);
  PutIndexPageInPlace(run, work, target, place);
}

}  // namespace check_html
