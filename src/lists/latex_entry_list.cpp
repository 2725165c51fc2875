#include "lists/latex_entry_list.h"

#include <utility>

#include "platform/german_order.h"

namespace check_html {

void LatexEntryList::Add(IndexEntry entry) { entries_.push_back(std::move(entry)); }

std::vector<IndexEntry> LatexEntryList::Sorted() && {
  std::vector<std::string> keys;
  keys.reserve(entries_.size());
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) keys.push_back(it->sort);
  std::vector<IndexEntry> sorted;
  sorted.reserve(entries_.size());
  for (const std::size_t position : GermanOrder(keys)) {
    sorted.push_back(std::move(entries_[entries_.size() - 1 - position]));
  }
  entries_.clear();
  return sorted;
}

}  // namespace check_html
