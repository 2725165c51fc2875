#include "site/anchor_table.h"

#include <algorithm>
#include <utility>

namespace check_html {
namespace {

template <typename T>
void GrowTo(std::vector<T>& table, int32_t index) {
  if (table.size() <= static_cast<std::size_t>(index)) table.resize(static_cast<std::size_t>(index) + 1);
}

}  // namespace

void AnchorTable::SetAnchors(int32_t page, std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  GrowTo(anchors_, page);
  GrowTo(source_, page);
  anchors_[static_cast<std::size_t>(page)] = std::move(keys);
  source_[static_cast<std::size_t>(page)] = page;
}

void AnchorTable::ShareAnchors(int32_t page, int32_t scanned) {
  GrowTo(source_, page);
  source_[static_cast<std::size_t>(page)] = SourceOf(scanned);
}

int32_t AnchorTable::SourceOf(int32_t page) const {
  if (page <= 0 || static_cast<std::size_t>(page) >= source_.size()) return 0;
  return source_[static_cast<std::size_t>(page)];
}

const std::vector<std::string>& AnchorTable::Anchors(int32_t page) const {
  static const std::vector<std::string> kNone;
  const int32_t source = SourceOf(page);
  return source == 0 ? kNone : anchors_[static_cast<std::size_t>(source)];
}

bool AnchorTable::Defines(int32_t page, std::string_view key) const {
  const std::vector<std::string>& keys = Anchors(page);
  return std::binary_search(keys.begin(), keys.end(), key);
}

}  // namespace check_html
