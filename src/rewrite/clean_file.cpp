#include "rewrite/clean_file.h"

#include <string_view>

#include "platform/file_system.h"
#include "rewrite/main_pass_dispatch.h"
#include "rewrite/navigation_bars.h"
#include "rewrite/page_rewrite.h"
#include "rewrite/section_names.h"
#include "rewrite/tex_pre_pass.h"
#include "run/run_context.h"
#include "site/page_lists.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr size_t kNameWidth = 255;  // the page's names are string[255]

std::string Cut(const std::string& name) { return name.substr(0, kNameWidth); }

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The exception is written with a backslash, so with the "/" paths of Files every page named
// index.html (or merely ending so, like chapter_index.html) is left alone.
bool IsIndexPage(std::string_view source_name) {
  return Contains(source_name, "index.html") && !Contains(source_name, "running_term\\index.html");
}

void RunMainPassAndEnd(PageRewrite& page) {
  page.writer.BeginOutput(page.TargetName);
  page.Reading = true;
  page.InNoFrames = false;
  page.BodyEnded = false;
  page.HasCrosslinks = false;
  page.run.AnchorCounter = 0;
  RunMainPass(page);
  page.reader.ClosePage();
  EndOfPage(page);
}

// Without tex_html the page moves to its backup name and is written anew from the loaded text.
// Should that fail before the new page exists, the backup goes back to the page's name.
void RewriteMovedPage(PageRewrite& page) {
  FileSystem& files = page.run.Files();
  RenameFile(files, page.SourceName, page.BakName);
  try {
    RunMainPassAndEnd(page);
  } catch (...) {
    page.reader.ClosePage();
    if (!files.Exists(page.TargetName)) files.Rename(page.BakName, page.SourceName);
    throw;
  }
}

}  // namespace

bool CleanFile(RunContext& run, const std::string& source_name, const std::string& target_name,
               int32_t file_index, bool in_sub_folder) {
  PageRewrite page(run);
  page.SourceName = Cut(source_name);
  page.TargetName = Cut(target_name);
  page.FileIndex = file_index;
  page.InSubFolder = in_sub_folder;
  if (IsIndexPage(page.SourceName)) return false;

  run.EqSection = 0;
  run.EqNumber = 0;
  run.FrontEnd().Synchronize([&run, &page] { run.LogLine(page.SourceName); });
  run.ShowStatus(kCleanFileStatus + page.SourceName);
  // Loaded before anything changes, so a page that cannot be read stays as it is.
  page.reader.LoadPage(page.SourceName);
  if (!page.reader.PageEnd()) {
    page.reader.ClosePage();
    run.LogLine("!!!" + std::string(kNoPageEndText) + page.SourceName);
    return false;
  }

  run.Lists.AddCleanedPage(page.TargetName);
  SetPageNames(page);
  run.RefList.push_back("FILE " + page.PdfBase + ".pdf");

  FileSystem& files = run.Files();
  if (files.Exists(page.BakName)) DeleteFile(files, page.BakName);
  if (run.Opts.tex_html) {
    // The backup takes the pre-passed text; the page keeps its old text until the main pass
    // replaces it in one piece.
    RunPrePass(page);
    page.reader.LoadPage(page.BakName);
    RunMainPassAndEnd(page);
  } else {
    RewriteMovedPage(page);
  }
  if (run.Opts.BakClear) DeleteFile(files, page.BakName);
  return true;
}

}  // namespace check_html
