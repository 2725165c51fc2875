#include "html/page_writer.h"

#include <algorithm>
#include <utility>

#include "html/text_scan.h"
#include "platform/file_error.h"
#include "platform/file_system.h"

namespace check_html {
namespace {

// Positions below are 1-based in the pending line, as the breaking rules count columns.
constexpr size_t kMaxLine = 120;
constexpr size_t kLastEarlyBreak = 119;
constexpr size_t kFirstEarlyBreak = 4;
constexpr size_t kFirstLateBreak = 101;
constexpr size_t kLastLateBreak = 151;
constexpr size_t kFirstBlankCut = 120;

// A "<" at p with a blank before it, opening a closing tag or following another tag's ">".
bool IsBreakPoint(std::string_view line, size_t p) {
  if (p < 3 || p > line.size()) return false;
  if (line[p - 1] != '<' || !IsBlank(line[p - 2])) return false;
  const bool closing_tag = p < line.size() && line[p] == '/';
  return closing_tag || line[p - 3] == '>';
}

// The 1-based cut position (the line keeps bytes 1..cut), or 0 when the line stays long.
// Blanks are looked for from `blank_from` on when the caller knows none stands before it.
size_t FindCut(std::string_view line, size_t blank_from) {
  for (size_t p = kLastEarlyBreak; p >= kFirstEarlyBreak; --p) {
    if (IsBreakPoint(line, p)) return p - 1;
  }
  const size_t last_late = std::min(kLastLateBreak, line.size());
  for (size_t p = kFirstLateBreak; p <= last_late; ++p) {
    if (IsBreakPoint(line, p)) return p - 1;
  }
  for (size_t p = std::max(kFirstBlankCut, blank_from); p <= line.size(); ++p) {
    if (IsBlank(line[p - 1])) return p;
  }
  return 0;
}

bool HoldsOnlyTrimmed(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsTrimmed);
}

}  // namespace

void PageWriter::BeginOutput(std::string name) {
  out_name_ = std::move(name);
  out_text_.clear();
  out_line_.clear();
  blank_search_from_ = 0;
}

void PageWriter::BreakLongLine() {
  while (out_line_.size() > kMaxLine) {
    const size_t cut = FindCut(out_line_, blank_search_from_);
    if (cut == 0) {  // no place to break: the rest stays long
      blank_search_from_ = out_line_.size() + 1;
      return;
    }
    out_text_.append(out_line_, 0, cut);
    out_text_ += '\n';
    out_line_.erase(0, cut);
    blank_search_from_ = 0;
  }
}

void PageWriter::EndPendingLine() {
  out_text_ += out_line_;
  out_text_ += '\n';
  out_line_.clear();
  blank_search_from_ = 0;
}

void PageWriter::WriteText(std::string_view text) {
  out_line_ += text;
  BreakLongLine();
}

void PageWriter::WriteLine(std::string_view text) {
  WriteText(text);
  EndPendingLine();
}

void PageWriter::WriteOwnLine(std::string_view text) {
  WriteRaw(text);
  out_text_ += '\n';
}

void PageWriter::WriteRaw(std::string_view text) {
  if (!HoldsOnlyTrimmed(out_line_)) EndPendingLine();
  out_line_.clear();
  blank_search_from_ = 0;
  out_text_ += text;
}

void PageWriter::AppendRaw(std::string_view text) { out_text_ += text; }

void PageWriter::SaveOutput() {
  switch (files_.WriteFile(out_name_, out_text_)) {
    case FileStatus::kOk:
      break;
    case FileStatus::kCannotOpen:
      throw FileError(kCannotOpenText);
    case FileStatus::kIoError:
      throw FileError(kWriteMappingText);
  }
  if (out_text_.empty()) throw FileError(kWriteMappingText);  // no mapping of zero bytes
  out_text_.clear();
}

}  // namespace check_html
