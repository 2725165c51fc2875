// Copy-through operations: stretches of page text that a caller passes on unchanged.
#include <algorithm>

#include "html/page_reader.h"
#include "html/text_scan.h"

namespace check_html {

std::optional<size_t> PageReader::FindMarker(std::string_view marker) {
  auto missing = std::find_if(missing_markers_.begin(), missing_markers_.end(),
                              [marker](const auto& known) { return known.first == marker; });
  if (missing != missing_markers_.end() && page_pos_ >= missing->second) return std::nullopt;
  const std::optional<size_t> found = FindInPage(marker);
  if (found) return found;
  if (missing == missing_markers_.end()) {
    missing_markers_.emplace_back(marker, page_pos_);
  } else {
    missing->second = std::min(missing->second, page_pos_);
  }
  return std::nullopt;
}

bool PageReader::CopyThrough(std::string_view marker, std::string& s) {
  const std::optional<size_t> found = FindMarker(marker);
  if (!found) return false;
  const size_t behind = *found + marker.size();
  s.append(bytes_, page_pos_, behind - page_pos_);
  page_pos_ = behind;
  return true;
}

bool PageReader::CopyTrimmedUpTo(std::string_view marker, std::string& s) {
  const std::optional<size_t> found = FindMarker(marker);
  if (!found) return false;
  s += TrimView(std::string_view(bytes_).substr(page_pos_, *found - page_pos_));
  s += marker;
  page_pos_ = *found + marker.size();
  return true;
}

bool PageReader::TakeScript(std::string& s) { return CopyThrough("</SCRIPT>", s); }

bool PageReader::TakeAnchor(std::string& s) { return CopyThrough("</A>", s); }

bool PageReader::TakeSub(std::string& s) { return CopyTrimmedUpTo("</SUB>", s); }

bool PageReader::TakeSup(std::string& s) { return CopyTrimmedUpTo("</SUP>", s); }

bool PageReader::TakeComment(std::string& s) {
  constexpr std::string_view kEnd = "-->";
  if (s.size() >= kEnd.size() && s.compare(s.size() - kEnd.size(), kEnd.size(), kEnd) == 0) {
    return false;  // the comment is complete already
  }
  return CopyThrough(kEnd, s);
}

}  // namespace check_html
