// Fuzz target for the page reader and writer: any bytes as a page, read tag by tag with every
// scanner call, copy-through and attribute operation the passes use, and written back through
// the page writer. Any input must end without a crash, a hang or a sanitizer report, and the
// reader's positions must only move forward within the page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "html/attributes.h"
#include "html/page_reader.h"
#include "html/page_writer.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

// Every attribute operation on one tag text; the walk must move forward on each pair.
void TouchAttributes(const std::string& tag) {
  for (const char* name : {"href", "name", "src", "class", "="}) GetAttribute(name, tag);
  std::string changed = tag;
  SetAttribute("width", "5", changed);
  SetAttribute("HREF", "", changed);
  SetAttribute("name", "x y", changed);
  AttributeWalker walker;
  std::string name;
  std::string value;
  size_t last = 0;
  for (bool more = walker.FirstAttribute(tag, name, value); more;
       more = walker.NextAttribute(tag, name, value)) {
    Require(walker.AttrPos > last && walker.AttrPos <= tag.size() + 1);
    last = walker.AttrPos;
  }
}

// One of the calls that read on from the page position, chosen by the tag just read.
void ReadOn(PageReader& reader, const std::string& tag, std::string& s, std::string& text) {
  std::string other;
  switch (tag.size() % 9) {
    case 0: reader.TakeComment(s); break;
    case 1: reader.TakeScript(s); break;
    case 2: reader.TakeAnchor(s); break;
    case 3: reader.TakeSub(s); break;
    case 4: reader.TakeSup(s); break;
    case 5: reader.ReadTagRaw(text, other); break;
    case 6: reader.ReadTagSkipComments(text, other); break;
    case 7: reader.TextPreview(reader.PagePos(), s); break;
    default: reader.FindInPage("</a>"); break;
  }
}

// The page's own bytes as a formula file: every entry of two kinds, until none is left.
void ReadFormulas(PageReader& reader, const std::string& bytes) {
  reader.SetMathText(bytes);
  std::string entry;
  for (char kind : {'0', '3'}) {
    for (;;) {
      const size_t before = kind == '0' ? reader.MathPos() : reader.MathPos2();
      reader.ReadMathEntry(kind, entry);
      const size_t after = kind == '0' ? reader.MathPos() : reader.MathPos2();
      Require(after >= before && after <= bytes.size());
      if (after == before) break;
    }
  }
}

// Removes the line feeds, which are all the writer adds to what it is given.
std::string WithoutLineFeeds(std::string text) {
  std::erase(text, '\n');
  return text;
}

}  // namespace
}  // namespace check_html

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace check_html;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  PageReader reader;
  reader.LoadText(bytes);
  const size_t end = reader.PageText().size();
  Require(end <= bytes.size());

  MemoryFileSystem files;
  PageWriter writer(files);        // every write kind, as the rewrite mixes them
  PageWriter text_writer(files);   // WriteText only: its output is its input plus line feeds
  writer.BeginOutput("out.html");
  text_writer.BeginOutput("text.html");
  std::string written;
  std::string text;
  std::string tag;
  std::string s;
  size_t pos = 0;
  for (int n = 0; !reader.AtPageEnd(); ++n) {
    const bool read = reader.ReadTag(text, tag);
    Require(reader.PagePos() > pos || !read);
    Require(reader.PagePos() <= end);
    pos = reader.PagePos();
    const std::string piece = read ? text + "<" + tag + ">" : text;
    text_writer.WriteText(piece);
    written += piece;
    switch (n % 5) {
      case 0: writer.WriteText(piece); break;
      case 1: writer.WriteLine(piece); break;
      case 2: writer.WriteOwnLine(piece); break;
      case 3: writer.WriteRaw(piece); break;
      default: writer.AppendRaw(piece); break;
    }
    if (!read) break;
    TouchAttributes(tag);
    s = text;
    ReadOn(reader, tag, s, text);
    Require(reader.PagePos() >= pos && reader.PagePos() <= end);
    pos = reader.PagePos();
  }
  Require(WithoutLineFeeds(text_writer.OutText() + text_writer.OutLine()) ==
          WithoutLineFeeds(written));
  writer.WriteLine("");
  writer.SaveOutput();

  // The other scanner entry points over the whole page.
  for (size_t at = 0; at < end && reader.ReadTagAt(text, tag, at);) Require(at <= end);
  reader.SetPagePos(0);
  while (reader.ReadTagOnly(tag)) Require(reader.PagePos() <= end);
  ReadFormulas(reader, bytes);
  return 0;
}
