// Speed of the two byte loops every page goes through: the tag scanner over a whole page, and
// the page writer's line breaking over the same text fed in the pieces a rewrite writes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "html/page_reader.h"
#include "html/page_writer.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

constexpr size_t kPageBytes = 4 << 20;

// A page of typical site HTML: German paragraphs with links, pictures and small tables.
std::string MakePage() {
  const std::string paragraph =
      "<P>Die Gr\xF6\xDF" "e der Kraft h\xE4ngt von der Masse ab;  siehe\n"
      "<A HREF=\"../basics/kraft.htm#masse\">Masse und Kraft</A> und die\r\n"
      "Abbildung <IMG SRC=\"../styles/pfeil.gif\" WIDTH=\"12\" HEIGHT=\"12\" ALT=\"\">.\n"
      "F\xFCr \xDC" "bungen: <A NAME=\"?kraft\">Kraft</A>, <I>F</I> = <I>m</I>&middot;<I>a</I>."
      "</P>\n";
  const std::string table =
      "<TABLE BORDER=\"1\" CELLPADDING=\"3\">\n<TR><TD WIDTH=\"40%\">Gr\xF6\xDF" "e</TD>"
      "<TD ALIGN=\"right\">Einheit</TD></TR>\n<TR><TD>Kraft</TD><TD>N</TD></TR>\n</TABLE>\n";
  std::string page = "<HTML>\n<HEAD><TITLE>Kraft</TITLE></HEAD>\n<BODY>\n";
  while (page.size() < kPageBytes) {
    for (int i = 0; i < 4; ++i) page += paragraph;
    page += table;
  }
  page += "</BODY>\n</HTML>\n";
  return page;
}

void BM_ReadTag(benchmark::State& state) {
  PageReader reader;
  reader.LoadText(MakePage());
  std::string text;
  std::string tag;
  for (auto _ : state) {
    reader.SetPagePos(0);
    while (!reader.AtPageEnd()) reader.ReadTag(text, tag);
    benchmark::DoNotOptimize(tag.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reader.PageText().size()));
}
BENCHMARK(BM_ReadTag)->Unit(benchmark::kMillisecond);

void BM_WriteText(benchmark::State& state) {
  PageReader reader;
  reader.LoadText(MakePage());
  std::vector<std::string> pieces;
  std::string text;
  std::string tag;
  size_t bytes = 0;
  while (!reader.AtPageEnd()) {
    const bool read = reader.ReadTag(text, tag);
    pieces.push_back(text);
    if (read) pieces.push_back("<" + tag + ">");
    bytes += text.size() + (read ? tag.size() + 2 : 0);
  }
  MemoryFileSystem files;
  PageWriter writer(files);
  for (auto _ : state) {
    writer.BeginOutput("page.html");
    for (const std::string& piece : pieces) writer.WriteText(piece);
    writer.WriteLine("");
    benchmark::DoNotOptimize(writer.OutText().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace check_html

BENCHMARK_MAIN();
