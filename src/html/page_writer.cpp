#include "html/page_writer.h"

#include <algorithm>
#include <cstring>  // memchr, memrchr
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
// A saved text's buffer is kept for the next page unless it is larger than this.
constexpr size_t kKeptBuffer = size_t{4} << 20;

// A "<" at p with a blank before it, opening a closing tag or following another tag's ">".
bool IsBreakPoint(std::string_view line, size_t p) {
  if (p < 3 || p > line.size()) return false;
  if (line[p - 1] != '<' || !IsBlank(line[p - 2])) return false;
  const bool closing_tag = p < line.size() && line[p] == '/';
  return closing_tag || line[p - 3] == '>';
}

// The 1-based cut before the latest break point within the first 119 bytes, else before the
// first one from 101 to 151; 0 when there is none. Only the "<" bytes are looked at.
size_t FindBreakPointCut(std::string_view line) {
  const char* bytes = line.data();
  const size_t early_end = std::min(kLastEarlyBreak, line.size());  // 1-based, inclusive
  for (size_t end = early_end; end >= kFirstEarlyBreak;) {
    const size_t lt = line.substr(0, end).rfind('<');
    if (lt == std::string_view::npos || lt < kFirstEarlyBreak - 1) break;
    const size_t p = lt + 1;
    if (IsBreakPoint(line, p)) return p - 1;
    end = p - 1;
  }
  const size_t late_end = std::min(kLastLateBreak, line.size());
  for (size_t p = kFirstLateBreak; p <= late_end; ++p) {
    const void* lt = std::memchr(bytes + p - 1, '<', late_end - p + 1);
    if (lt == nullptr) break;
    p = static_cast<size_t>(static_cast<const char*>(lt) - bytes) + 1;
    if (IsBreakPoint(line, p)) return p - 1;
  }
  return 0;
}

// What a byte means to the blank cut: a blank, one of the bytes that can change the markup
// state ("<", ">", '"'), or neither. A table, so the scans over long text cost one load a byte.
enum ByteClass : unsigned char { kOtherByte, kBlankByte, kMarkupByte };

struct ByteClasses {
  ByteClass of[256];
};

constexpr ByteClasses MakeByteClasses() {
  ByteClasses classes{};
  classes.of[static_cast<unsigned char>(' ')] = kBlankByte;
  classes.of[static_cast<unsigned char>('\n')] = kBlankByte;
  classes.of[static_cast<unsigned char>('\r')] = kBlankByte;
  classes.of[static_cast<unsigned char>('<')] = kMarkupByte;
  classes.of[static_cast<unsigned char>('>')] = kMarkupByte;
  classes.of[static_cast<unsigned char>('"')] = kMarkupByte;
  return classes;
}

constexpr ByteClasses kByteClasses = MakeByteClasses();

Markup NextMarkup(Markup m, char c) {
  switch (c) {
    case '<':
      return m == Markup::kText ? Markup::kTag : m;
    case '>':
      return Markup::kText;
    case '"':
      if (m == Markup::kTag) return Markup::kValue;
      return m == Markup::kValue ? Markup::kTag : m;
    default:
      return m;
  }
}

bool HoldsOnlyTrimmed(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsTrimmed);
}

}  // namespace

void MarkupEffect::Add(char c) {
  for (Markup& m : after) m = NextMarkup(m, c);
}

void PageWriter::BeginOutput(std::string name) {
  out_name_ = std::move(name);
  out_text_.clear();
  out_line_.clear();
  blank_search_from_ = 0;
  text_markup_ = Markup::kText;
  text_scanned_ = 0;
}

// The cut lines leave the pending line from its front; it is shortened once at the end, so a
// long text written in one piece costs no more than its length.
void PageWriter::BreakLongLine() {
  size_t done = 0;
  while (out_line_.size() - done > kMaxLine) {
    const std::string_view line = std::string_view(out_line_).substr(done);
    size_t cut = FindBreakPointCut(line);
    if (cut == 0) cut = FindBlankCut(line);
    if (cut == 0) break;  // no place to break: the rest stays long
    out_text_.append(line.substr(0, cut));
    out_text_ += '\n';
    done += cut;
    blank_search_from_ = 0;
  }
  out_line_.erase(0, done);
}

// The first blank at or after column 120 that stands outside a quoted attribute value; 0 when
// there is none yet (the search goes on from there when the line grows).
size_t PageWriter::FindBlankCut(std::string_view line) {
  size_t p = blank_search_from_;
  MarkupEffect effect = blank_search_effect_;
  if (p == 0) {
    effect = MarkupEffect{};
    for (p = 1; p < kFirstBlankCut; ++p) {
      const char c = line[p - 1];
      if (kByteClasses.of[static_cast<unsigned char>(c)] == kMarkupByte) effect.Add(c);
    }
  }
  const Markup start = TextMarkup();
  for (; p <= line.size(); ++p) {
    const char c = line[p - 1];
    const ByteClass kind = kByteClasses.of[static_cast<unsigned char>(c)];
    if (kind == kBlankByte) {
      if (effect.From(start) != Markup::kValue) return p;
    } else if (kind == kMarkupByte) {
      effect.Add(c);
    }
  }
  blank_search_from_ = p;
  blank_search_effect_ = effect;
  return 0;
}

// The state the pending line begins in: behind everything finished so far.
Markup PageWriter::TextMarkup() {
  const char* bytes = out_text_.data();
  for (const size_t end = out_text_.size(); text_scanned_ < end; ++text_scanned_) {
    const char c = bytes[text_scanned_];
    if (kByteClasses.of[static_cast<unsigned char>(c)] == kMarkupByte) {
      text_markup_ = NextMarkup(text_markup_, c);
    }
  }
  return text_markup_;
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

void PageWriter::WriteVerbatim(std::string_view text) {
  out_text_ += out_line_;
  out_text_ += text;
  out_line_.clear();
  blank_search_from_ = 0;
}

void PageWriter::SaveOutput() {
  switch (files_.WriteFile(out_name_, out_text_)) {
    case FileStatus::kOk:
      break;
    case FileStatus::kCannotOpen:
      throw FileError(kCannotOpenText, out_name_);
    case FileStatus::kIoError:
      throw FileError(kWriteMappingText, out_name_);
  }
  if (out_text_.empty()) throw FileError(kWriteMappingText, out_name_);  // no zero-byte mapping
  out_text_.clear();
  if (out_text_.capacity() > kKeptBuffer) out_text_.shrink_to_fit();
  text_markup_ = Markup::kText;
  text_scanned_ = 0;
}

}  // namespace check_html
