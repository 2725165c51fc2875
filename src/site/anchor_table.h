// What the anchor check knows after the crawl: the anchors each scanned page defines (their
// AnchorKeys) and every link that names a fragment. Kept only when anchors are checked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace check_html {

struct FragmentRef {
  int32_t from = 0;    // the linking page (Files index)
  int32_t target = 0;  // the page named (Files index); `from` itself for "#name"
  std::string fragment;  // as written after "#"
  std::string key;       // its FragmentKey
};

class AnchorTable {
 public:
  // Entry `page` of Files was scanned and defines `keys`.
  void SetAnchors(int32_t page, std::vector<std::string> keys);
  // Entry `page` names the same file as the scanned entry `scanned`.
  void ShareAnchors(int32_t page, int32_t scanned);
  // True when the anchors of entry `page` are known: its file was scanned.
  bool Known(int32_t page) const { return SourceOf(page) != 0; }
  // The keys of the anchors of entry `page`, sorted; empty when not known.
  const std::vector<std::string>& Anchors(int32_t page) const;
  bool Defines(int32_t page, std::string_view key) const;

  void AddFragment(FragmentRef ref) { fragments_.push_back(std::move(ref)); }
  // In the order the crawl met them: page by page, each page's links in document order.
  const std::vector<FragmentRef>& Fragments() const { return fragments_; }

 private:
  int32_t SourceOf(int32_t page) const;

  std::vector<int32_t> source_;  // by Files index: the entry whose anchors it has, 0: unknown
  std::vector<std::vector<std::string>> anchors_;  // by Files index
  std::vector<FragmentRef> fragments_;
};

}  // namespace check_html
