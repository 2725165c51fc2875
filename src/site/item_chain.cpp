#include "site/item_chain.h"

#include <algorithm>
#include <cstddef>
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

// Successive insertions leave each group of equal keys as: the items whose whole upper-case
// Name is the key itself, the last inserted first, then the longer Names in the order they came
// (each goes behind its whole group, as no key of the group reaches its whole Name). Groups
// follow each other in key order. So one sort gives the chain that the insertions would build.
void ItemChain::InsertItems(std::vector<Item> items) {
  if (!chain_.empty()) {
    for (Item& item : items) InsertItem(std::move(item));
    return;
  }
  struct Place {
    bool long_name;
    std::ptrdiff_t order;  // within its kind: newest first for key names, oldest first else
    std::size_t index;
  };
  std::vector<Place> places;
  places.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string whole = UpperCase(items[i].Name);
    const bool long_name = whole.size() > kItemKeyCapacity;
    items[i].Key = whole.substr(0, kItemKeyCapacity);
    const auto n = static_cast<std::ptrdiff_t>(i);
    places.push_back(Place{long_name, long_name ? n : -n, i});
  }
  std::sort(places.begin(), places.end(), [&items](const Place& a, const Place& b) {
    const int by_key = items[a.index].Key.compare(items[b.index].Key);
    if (by_key != 0) return by_key < 0;
    if (a.long_name != b.long_name) return b.long_name;
    return a.order < b.order;
  });
  for (const Place& place : places) {
    Item& item = items[place.index];
    std::string key = item.Key;
    chain_.emplace_hint(chain_.end(), std::move(key), std::move(item));
  }
}

const Item& ItemChain::Front() const {
  if (chain_.empty()) throw std::out_of_range("ItemChain::Front on an empty chain");
  return chain_.begin()->second;
}

void ItemChain::PopFront() {
  if (!chain_.empty()) chain_.erase(chain_.begin());
}

}  // namespace check_html
