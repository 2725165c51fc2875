#include "site/item_chain.h"

#include <stdexcept>
#include <utility>

#include "platform/case_map.h"

namespace check_html {

// The chain stays sorted by the cut keys: every item before lower_bound(K) has a Key below
// K, hence not above K's first 20 characters, and every item from there on has a Key of at
// least K. The hinted insert of a multimap puts the new item just before the hint, which is
// the place the linked chain would give it, in O(log n) instead of a walk along the chain.
void ItemChain::InsertItem(Item item) {
  const std::string whole_key = UpperCase(item.Name);
  item.Key = whole_key.substr(0, kItemKeyCapacity);
  const auto before = chain_.lower_bound(whole_key);
  std::string key = item.Key;
  chain_.emplace_hint(before, std::move(key), std::move(item));
}

const Item& ItemChain::Front() const {
  if (chain_.empty()) throw std::out_of_range("ItemChain::Front on an empty chain");
  return chain_.begin()->second;
}

void ItemChain::PopFront() {
  if (!chain_.empty()) chain_.erase(chain_.begin());
}

}  // namespace check_html
