#include "site/external_cache.h"

#include <charconv>
#include <vector>

namespace check_html {
namespace {

constexpr int64_t kSecondsPerDay = 24 * 60 * 60;

const char* VerdictWord(ExternalVerdict verdict) {
  switch (verdict) {
    case ExternalVerdict::kOk:
      return "ok";
    case ExternalVerdict::kMoved:
      return "moved";
    case ExternalVerdict::kBroken:
      break;
  }
  return "broken";
}

std::optional<ExternalVerdict> VerdictOf(std::string_view word) {
  if (word == "ok") return ExternalVerdict::kOk;
  if (word == "moved") return ExternalVerdict::kMoved;
  if (word == "broken") return ExternalVerdict::kBroken;
  return std::nullopt;
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;) {
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  fields.push_back(line);
  return fields;
}

bool Keepable(std::string_view text) { return text.find_first_of("\t\r\n") == std::string_view::npos; }

}  // namespace

ExternalCache ExternalCache::Parse(std::string_view text) {
  ExternalCache cache;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 5 || fields[0].empty()) continue;
    const auto verdict = VerdictOf(fields[1]);
    const auto status = NumberOf<int>(fields[2]);
    const auto time = NumberOf<int64_t>(fields[4]);
    if (!verdict || !status || !time) continue;
    cache.entries_[std::string(fields[0])] =
        ExternalResult{*verdict, *status, "", std::string(fields[3]), *time};
  }
  return cache;
}

std::string ExternalCache::Text() const {
  std::string text;
  for (const auto& [address, result] : entries_) {
    text += address + '\t' + VerdictWord(result.verdict) + '\t' + std::to_string(result.status) +
            '\t' + result.new_address + '\t' + std::to_string(result.checked_at) + '\n';
  }
  return text;
}

std::optional<ExternalResult> ExternalCache::Fresh(const std::string& address, int64_t now,
                                                   int32_t days) const {
  const auto found = entries_.find(address);
  if (found == entries_.end() || found->second.verdict == ExternalVerdict::kBroken) return std::nullopt;
  const int64_t age = now - found->second.checked_at;
  if (age < 0 || age >= static_cast<int64_t>(days) * kSecondsPerDay) return std::nullopt;
  return found->second;
}

void ExternalCache::Put(const std::string& address, const ExternalResult& result) {
  if (!Keepable(address) || !Keepable(result.new_address)) return;
  entries_[address] = result;
}

}  // namespace check_html
