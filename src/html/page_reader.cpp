#include "html/page_reader.h"

#include <algorithm>
#include <utility>

#include "html/text_scan.h"
#include "platform/file_error.h"
#include "platform/file_system.h"

namespace check_html {
namespace {

constexpr std::string_view kClosingHtml = "</HTML>";
// The end lies behind the closing tag and the two bytes after it (normally the line break).
constexpr size_t kEndBehindClosingHtml = 9;
constexpr size_t kPreviewLimit = 110;
// A closed page's buffer is kept for the next page unless it is larger than this: one huge page
// must not hold its memory for the rest of the run.
constexpr size_t kKeptBuffer = size_t{4} << 20;
constexpr int kPreviewRuns = 10;

}  // namespace

void PageReader::LoadPage(std::string_view path) { Load(path, path); }

void PageReader::LoadPage(std::string_view path, const FoundFile& found) {
  Load(path, found.path);
}

void PageReader::Load(std::string_view path, std::string_view read_from) {
  ClosePage();
  if (files_ == nullptr) throw FileError(kCannotOpenText);
  switch (files_->ReadFile(read_from, bytes_, /*need_write=*/true)) {
    case FileStatus::kOk:
      break;
    case FileStatus::kCannotOpen:
      bytes_.clear();
      throw FileError(kCannotOpenText, std::string(path));
    case FileStatus::kIoError:
      bytes_.clear();
      throw FileError(kReadMappingText, std::string(path));
  }
  SetEnd();
}

void PageReader::LoadText(std::string text) {
  ClosePage();
  bytes_ = std::move(text);
  SetEnd();
}

void PageReader::ClosePage() {
  bytes_.clear();
  if (bytes_.capacity() > kKeptBuffer) bytes_.shrink_to_fit();
  page_pos_ = 0;
  end_ = 0;
  closing_end_ = 0;
  has_end_ = false;
  tag_start_ = 0;
}

void PageReader::SetEnd() {
  page_pos_ = 0;
  missing_markers_.clear();
  const size_t closing = FindNoCase(bytes_, kClosingHtml);
  has_end_ = closing != std::string_view::npos;
  end_ = has_end_ ? std::min(closing + kEndBehindClosingHtml, bytes_.size()) : 0;
  closing_end_ = has_end_ ? closing + kClosingHtml.size() : 0;
}

std::optional<size_t> PageReader::PageEnd() const {
  if (!has_end_) return std::nullopt;
  return end_;
}

std::optional<size_t> PageReader::FindInPage(std::string_view text) const {
  if (AtPageEnd()) return std::nullopt;
  const size_t found = FindNoCase(PageText(), text, page_pos_);
  if (found == std::string_view::npos) return std::nullopt;
  return found;
}

bool PageReader::ReadTagSkipComments(std::string& text, std::string& tag) {
  bool read = ReadTag(text, tag);
  while (read && !tag.empty() && tag[0] == '!') {
    read = ReadTag(scratch_text_, tag);
    text += scratch_text_;
  }
  return read;
}

void PageReader::TextPreview(size_t pos, std::string& s) {
  s.clear();
  int runs = 0;
  while (pos < end_ && s.size() < kPreviewLimit && runs < kPreviewRuns) {
    ReadTagAt(scratch_text_, scratch_tag_, pos);
    if (!TrimView(scratch_text_).empty()) {
      s += " | ";
      s += scratch_text_;
      ++runs;
    }
  }
}

}  // namespace check_html
