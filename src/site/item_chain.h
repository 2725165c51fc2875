// The chain of named anchors that the generated lists are made from, kept in ascending `Key`
// order. Among equal keys the item inserted last stands first.
#pragma once

#include <cstddef>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace check_html {

// A named anchor for the generated lists.
struct Item {
  std::string Name;      // NAME as found; never begins with "_"
  std::string Text;      // inner HTML, only for names beginning with "?" or "\xA7"
  std::string Fragment;  // HREF part after "#"
  std::string Key;       // upper-case Name cut to 20 characters: the sort key
  std::string Href;      // HREF part before "#", resolved; empty without HREF
  std::string File;      // path of the page holding the anchor, as in Files
};

inline constexpr std::size_t kItemKeyCapacity = 20;

class ItemChain {
  using Chain = std::multimap<std::string, Item>;

 public:
  // Walks the chain from the first item; yields `const Item&`.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Item;
    using difference_type = std::ptrdiff_t;
    using pointer = const Item*;
    using reference = const Item&;
    Iterator() = default;
    explicit Iterator(Chain::const_iterator at) : at_(at) {}
    const Item& operator*() const { return at_->second; }
    const Item* operator->() const { return &at_->second; }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const Iterator&) const = default;

   private:
    Chain::const_iterator at_;
  };

  // Sets `item.Key` from its Name and links the item in before the first item whose Key is
  // not less than the whole upper-case Name (byte order, a prefix being the lesser). So a
  // Name longer than 20 characters goes after the items whose Key equals its first 20.
  void InsertItem(Item item);
  // The same as InsertItem for each item in turn, but on an empty chain it sorts once instead
  // of searching the chain for every item.
  void InsertItems(std::vector<Item> items);

  bool Empty() const { return chain_.empty(); }
  std::size_t Size() const { return chain_.size(); }
  Iterator begin() const { return Iterator(chain_.begin()); }
  Iterator end() const { return Iterator(chain_.end()); }

  // The index list consumes the chain from the front. Front() needs a non-empty chain.
  const Item& Front() const;
  void PopFront();
  void Clear() { chain_.clear(); }

 private:
  // Keyed by the stored (cut) Key; chain order is map order.
  Chain chain_;
};

}  // namespace check_html
