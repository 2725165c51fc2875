// The tag scanner: one pass over the loaded bytes. Ordinary bytes, and single spaces between
// them, are appended in runs; only "<" (or ">" inside a tag) and other blanks need a decision.
#include <array>
#include <cstring>

#include "html/page_reader.h"
#include "html/text_scan.h"

namespace check_html {
namespace {

enum ByteKind : unsigned char { kOrdinary, kBlank, kStop };

// kStop is `stop` ("<" in a text run, ">" in a tag); kBlank the three blanks.
constexpr std::array<unsigned char, 256> MakeKinds(char stop) {
  std::array<unsigned char, 256> kinds{};
  kinds[' '] = kinds['\n'] = kinds['\r'] = kBlank;
  kinds[static_cast<unsigned char>(stop)] = kStop;
  return kinds;
}

constexpr std::array<unsigned char, 256> kTextKinds = MakeKinds('<');
constexpr std::array<unsigned char, 256> kTagKinds = MakeKinds('>');

unsigned char KindOf(const std::array<unsigned char, 256>& kinds, char c) {
  return kinds[static_cast<unsigned char>(c)];
}

// Appends bytes from `pos` to `out`, folding each run of blanks into one space, until the stop
// byte of `kinds` or `end`. Leaves `pos` on the stop byte (or at `end`).
void AppendFolded(const char* bytes, size_t& pos, size_t end,
                  const std::array<unsigned char, 256>& kinds, std::string& out) {
  bool after_blank = false;
  while (pos < end) {
    size_t run = pos;
    while (run < end) {
      if (KindOf(kinds, bytes[run]) == kOrdinary) {
        ++run;
      } else if (bytes[run] == ' ' && run > pos && run + 1 < end &&
                 KindOf(kinds, bytes[run + 1]) == kOrdinary) {
        run += 2;  // a single space between kept bytes needs no folding
      } else {
        break;
      }
    }
    if (run > pos) {
      out.append(bytes + pos, run - pos);
      after_blank = false;
      pos = run;
      if (pos >= end) return;
    }
    if (KindOf(kinds, bytes[pos]) == kStop) return;
    if (!after_blank) out.push_back(' ');
    after_blank = true;
    ++pos;
  }
}

}  // namespace

bool PageReader::ScanTag(size_t& pos, std::string& text, std::string& tag, bool curly_rule) {
  text.clear();
  const char* bytes = bytes_.data();
  const size_t end = end_;
  while (pos < end) {
    AppendFolded(bytes, pos, end, kTextKinds, text);
    if (pos >= end) return false;
    tag_start_ = pos;
    tag.clear();
    ++pos;
    if (curly_rule && pos < end && bytes[pos] == '}') {  // "<}": the "<" is dropped
      text.push_back('}');
      ++pos;
      continue;
    }
    ScanTagText(pos, tag);
    return true;
  }
  return false;
}

void PageReader::ScanTagText(size_t& pos, std::string& tag) {
  AppendFolded(bytes_.data(), pos, end_, kTagKinds, tag);
  TrimInPlace(tag);
  if (pos < end_) ++pos;  // over the ">"
}

bool PageReader::ReadTag(std::string& text, std::string& tag) {
  return ScanTag(page_pos_, text, tag, /*curly_rule=*/true);
}

bool PageReader::ReadTagOnly(std::string& tag) {
  const char* bytes = bytes_.data();
  while (page_pos_ < end_) {
    const void* lt = std::memchr(bytes + page_pos_, '<', end_ - page_pos_);
    if (lt == nullptr) {
      page_pos_ = end_;
      return false;
    }
    page_pos_ = static_cast<size_t>(static_cast<const char*>(lt) - bytes);
    tag_start_ = page_pos_++;
    if (page_pos_ < end_ && bytes[page_pos_] == '}') {  // "<}" opens no tag
      ++page_pos_;
      continue;
    }
    tag.clear();
    ScanTagText(page_pos_, tag);
    return true;
  }
  return false;
}

bool PageReader::ReadTagAt(std::string& text, std::string& tag, size_t& pos) {
  return ScanTag(pos, text, tag, /*curly_rule=*/false);
}

bool PageReader::ReadTagRaw(std::string& text, std::string& tag) {
  text.clear();
  if (page_pos_ >= end_) return false;
  const char* start = bytes_.data() + page_pos_;
  const void* lt = std::memchr(start, '<', end_ - page_pos_);
  if (lt == nullptr) {
    text.append(start, end_ - page_pos_);
    TrimInPlace(text);
    page_pos_ = end_;
    return false;
  }
  const size_t open = static_cast<size_t>(static_cast<const char*>(lt) - bytes_.data());
  text.append(start, open - page_pos_);
  TrimInPlace(text);
  const size_t inner = open + 1;
  const void* gt = std::memchr(bytes_.data() + inner, '>', end_ - inner);
  const size_t close =
      gt == nullptr ? end_ : static_cast<size_t>(static_cast<const char*>(gt) - bytes_.data());
  tag.assign(bytes_, inner, close - inner);
  TrimInPlace(tag);
  page_pos_ = close < end_ ? close + 1 : end_;
  return true;
}

}  // namespace check_html
