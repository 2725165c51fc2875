// The formula file: the TeX source of every converter page's formulas, one section per page.
#include "rewrite/math_fixups.h"

#include <string>
#include <string_view>
#include <utility>

#include "html/text_scan.h"
#include "platform/file_error.h"
#include "platform/file_system.h"
#include "run/run_context.h"

namespace check_html {
namespace {

constexpr std::string_view kMathFileBehindSaveDir = "\\..\\..\\pdf_split\\all_math.txt";
constexpr std::string_view kMarker = "!Y>";
constexpr std::string_view kClose = "<Y;";
// Logged (after "!!!") with the path when the formula file holds nothing.
constexpr std::string_view kEmptyMathFileText = "Formula file empty, MathML kept: ";

// The page's base name: the text between the last "/" before the extension and the extension.
std::string_view BaseNameOf(std::string_view path) {
  const size_t dot = path.rfind('.');
  const size_t end = dot == std::string_view::npos ? path.size() : dot;
  const size_t slash = path.find_last_of("/\\", end);
  const size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  return path.substr(start, end - start);
}

// The end ("<Y;") of the section header "!Y>" + base + "<Y;", or npos. A header has no kind
// character in front of its "!Y>"; the name must be the base name whole, so that a page is not
// given the section of a page whose name merely begins with its own.
size_t FindSection(std::string_view text, std::string_view base) {
  const std::string header = std::string(kMarker) + std::string(base) + std::string(kClose);
  for (size_t at = text.find(header); at != std::string_view::npos;
       at = text.find(header, at + 1)) {
    if (at == 0 || IsBlank(text[at - 1]) || text[at - 1] == ';') {
      return at + kMarker.size() + base.size();
    }
  }
  return std::string_view::npos;
}

}  // namespace

// A missing or unreadable file ends the run before any page is rewritten. An empty one keeps
// every page's MathML, which would otherwise be replaced by nothing.
void OpenMathFile(RunContext& run) {
  const std::string path = run.SaveDir + std::string(kMathFileBehindSaveDir);
  std::string bytes;
  switch (run.Files().ReadFile(path, bytes)) {
    case FileStatus::kOk:
      break;
    case FileStatus::kCannotOpen:
      throw FileError(kCannotOpenText, path);
    case FileStatus::kIoError:
      throw FileError(kReadMappingText, path);
  }
  // The text ends at its first zero byte, as the mapped file was searched.
  if (const size_t zero = bytes.find('\0'); zero != std::string::npos) bytes.resize(zero);
  if (bytes.empty()) run.LogLine("!!!" + std::string(kEmptyMathFileText) + path);
  run.Reader.SetMathText(std::move(bytes));
}

void SeekMathPage(RunContext& run, const std::string& source_name) {
  const size_t section = FindSection(run.Reader.MathText(), BaseNameOf(source_name));
  run.Reader.SetMathPos(section);
  run.Reader.SetMathPos2(section);
}

void CloseMathFile(RunContext& run) { run.Reader.SetMathText(std::string()); }

}  // namespace check_html
