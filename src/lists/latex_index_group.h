// The body of the LaTeX index page: one group of entries with equal keys after the other, in
// the converter's layout of paragraphs of class "theindex", spans for items, sub-items and
// sub-sub-items, and numbered links.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lists/latex_entry_list.h"

namespace check_html {

class PageWriter;

// Writes the groups of `entries`, a group being a pair and the pairs right after it whose keys
// and sort texts are exactly equal (so keys that differ only in letter case form groups of
// their own).
void WriteIndexGroups(PageWriter& writer, const std::vector<IndexEntry>& entries);

// Writes one group at a time and keeps the paragraph state across groups: the current initial
// and the item and sub-item of the group before.
class IndexGroupWriter {
 public:
  explicit IndexGroupWriter(PageWriter& writer) : writer_(writer) {}

  // The key of the first pair is split into item, sub-item and sub-sub-item (the last level
  // from the third on). Parts shared with the group before are not written again; a group with
  // a new item opens a new paragraph when the lower-cased initial of its sort text differs.
  // Then one link "[n]"
  // per pair. A key whose end mark "!!" is not within its first 255 characters writes nothing.
  void WriteIndexGroup(std::span<const IndexEntry> group);

 private:
  void WriteSpans(int same, const std::vector<std::string_view>& levels);

  PageWriter& writer_;
  char initial_ = ' ';
  std::string previous_item_;
  std::string previous_sub_item_;
};

}  // namespace check_html
