#include "lists/latex_idx_reader.h"

namespace check_html {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The position of the next "{" at or after `from` that is no "\{", or npos.
std::size_t FindOpeningBrace(std::string_view line, std::size_t from) {
  for (std::size_t i = from; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == '{') {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<std::string> BraceField(std::string_view line, std::size_t& position) {
  const std::size_t open = FindOpeningBrace(line, position);
  if (open == std::string_view::npos) return std::nullopt;
  std::size_t depth = 1;
  for (std::size_t i = open + 1; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == '{') {
      ++depth;
    } else if (line[i] == '}' && --depth == 0) {
      position = i;
      return std::string(line.substr(open + 1, i - open - 1));
    }
  }
  return std::nullopt;
}

std::string IdxReader::ReadIdxLine() {
  std::string line;
  if (AtEnd()) return line;
  if (!IsLineEnd(bytes_[pos_])) line += bytes_[pos_];
  ++pos_;
  while (!AtEnd()) {
    const char c = bytes_[pos_++];
    if (IsLineEnd(c)) break;
    if (line.size() < kIdxLineCapacity) line += c;
  }
  return line;
}

std::optional<IdxRecord> IdxReader::ReadRecord() {
  const std::string first = ReadIdxLine();
  const std::string second = ReadIdxLine();
  if (first.empty() || second.empty()) return std::nullopt;
  std::size_t at = 0;
  std::optional<std::string> page = BraceField(first, at);
  std::optional<std::string> anchor = page ? BraceField(first, at) : std::nullopt;
  at = 0;
  std::optional<std::string> text = BraceField(second, at);
  if (!anchor || !text) return std::nullopt;
  return IdxRecord{std::move(*page), std::move(*anchor), std::move(*text)};
}

}  // namespace check_html
