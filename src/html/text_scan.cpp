#include "html/text_scan.h"

#include <array>
#include <cstring>
#include <utility>

#include "platform/case_map.h"

namespace check_html {
namespace {

// The case map as a table, so that a search folds a byte with one load.
const std::array<char, 256>& LowerTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = ToLower1252(static_cast<char>(i));
    return t;
  }();
  return table;
}

char Fold(const std::array<char, 256>& lower, char c) {
  return lower[static_cast<unsigned char>(c)];
}

}  // namespace

std::string_view TrimView(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && IsTrimmed(text[first])) ++first;
  size_t last = text.size();
  while (last > first && IsTrimmed(text[last - 1])) --last;
  return text.substr(first, last - first);
}

void TrimInPlace(std::string& text) {
  size_t last = text.size();
  while (last > 0 && IsTrimmed(text[last - 1])) --last;
  text.resize(last);
  size_t first = 0;
  while (first < text.size() && IsTrimmed(text[first])) ++first;
  text.erase(0, first);
}

size_t FindNoCase(std::string_view text, std::string_view what, size_t from) {
  if (what.empty() || from >= text.size() || what.size() > text.size() - from) {
    return std::string_view::npos;
  }
  const auto& lower = LowerTable();
  const char first = Fold(lower, what[0]);
  const bool first_has_case = ToUpper1252(first) != first;
  const size_t last_start = text.size() - what.size();
  size_t at = from;
  while (at <= last_start) {
    if (first_has_case) {
      while (at <= last_start && Fold(lower, text[at]) != first) ++at;
      if (at > last_start) break;
    } else {
      // A first byte without a case partner is found with memchr.
      const void* hit = std::memchr(text.data() + at, first, last_start + 1 - at);
      if (hit == nullptr) break;
      at = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    }
    size_t i = 1;
    while (i < what.size() && Fold(lower, text[at + i]) == Fold(lower, what[i])) ++i;
    if (i == what.size()) return at;
    ++at;
  }
  return std::string_view::npos;
}

bool ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  size_t at = text.find(what);
  if (at == std::string::npos) return false;
  std::string result;
  size_t done = 0;
  for (; at != std::string::npos; at = text.find(what, done)) {
    result.append(text, done, at - done).append(with);
    done = at + what.size();
  }
  result.append(text, done);
  text = std::move(result);
  return true;
}

size_t FindFrom(std::string_view text, std::string_view s, size_t start) {
  const size_t from = start < 1 ? 0 : start - 1;
  const size_t found = FindNoCase(s, text, from);
  return found == std::string_view::npos ? 0 : found + 1;
}

}  // namespace check_html
