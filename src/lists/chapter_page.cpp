#include "lists/chapter_page.h"

#include <algorithm>

#include "html/page_reader.h"
#include "lists/chapter_bars.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "rewrite/navigation_bars.h"
#include "run/run_context.h"
#include "site/report_page.h"
#include "site/text_file.h"

namespace check_html {
namespace {

// The tag text of the rule line that opens every bar the program writes.
constexpr std::string_view kOldBarTag = "HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\"";

bool EndsCopy(std::string_view tag) {
  return StartsWithNoCase(tag, kOldBarTag) || StartsWithNoCase(tag, "/body") ||
         StartsWithNoCase(tag, "/html");
}

// The digit of a heading start tag ("h1".."h9", any attributes), 0 for any other tag.
char HeadingDigit(std::string_view tag) {
  if (tag.size() < 2 || ToLower1252(tag[0]) != 'h' || tag[1] < '1' || tag[1] > '9') return 0;
  return tag[1];
}

bool EndsHeading(std::string_view tag, char digit) {
  return tag.size() >= 3 && StartsWithNoCase(tag, "/h") && tag[2] == digit;
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string::npos; }

void AddTag(ReportText& page, std::string_view text, std::string_view tag) {
  page.Add(text);
  page.Add("<");
  page.Add(tag);
  page.Add(">");
}

// Reads the next tag into `tag` and writes `text` before it. False at the end of the copy: at
// the page end (the text read is written) or at a tag that ends the copy (the text before it is
// written unless it is only blanks, so no words are lost).
bool ReadCopiedTag(PageReader& reader, ReportText& page, std::string& text, std::string& tag) {
  if (!reader.ReadTag(text, tag)) {
    page.Add(text);
    return false;
  }
  if (EndsCopy(tag)) {
    if (!IsBlank(text)) page.Add(text);
    return false;
  }
  AddTag(page, text, tag);
  return true;
}

// The page's text up to the end of the copy. A page without "</HTML>" would read as empty, so
// it is read as if it ended with that tag.
void CopyPage(RunContext& run, const std::string& path, const std::string& name, ReportText& page,
              ReportText& contents) {
  PageReader reader(run.Files());
  reader.LoadPage(path);
  if (!reader.PageEnd()) reader.LoadText(LoadTextFile(run.Files(), path) + "</HTML>");
  std::string text, tag;
  while (!reader.AtPageEnd() && ReadCopiedTag(reader, page, text, tag)) {
    const char digit = HeadingDigit(tag);
    if (digit == 0) continue;
    if (!ReadCopiedTag(reader, page, text, tag)) break;
    if (!EndsHeading(tag, digit)) continue;
    const std::string d(1, digit);
    contents.AddLine("<H" + d + "><A HREF=\"" + name + "\" CLASS=\"A" + d + "\">" + text + "</A><" +
                     tag + ">");
  }
  reader.ClosePage();
}

}  // namespace

std::string ChapterBakName(std::string_view path) {
  const bool dot = path.size() >= 4 && path[path.size() - 4] == '.';
  path.remove_suffix(std::min<size_t>(dot ? 3 : 4, path.size()));
  return std::string(path) + "bak";
}

void CheckChapterPage(RunContext& run, const std::string& path, const std::string& name,
                      const std::string& forward, const std::string& back, ReportText& contents) {
  run.ShowStatus(kCheckFileStatus + path);
  ReportText page;
  CopyPage(run, path, name, page, contents);
  ChapterPageBar(run, page, forward, back, path);

  FileSystem& files = run.Files();
  const std::string bak = ChapterBakName(path);
  if (files.Exists(bak)) DeleteFile(files, bak);
  RenameFile(files, path, bak);
  try {
    SaveTextFile(files, path, page.Bytes());
  } catch (...) {
    if (!files.Exists(path)) files.Rename(bak, path);
    throw;
  }
}

}  // namespace check_html
