// The entry list of the LaTeX index page: pairs of key and link, sorted by their sort texts in the
// order a German reader expects (case-insensitive, umlauts beside their base letters), a pair
// added later standing before the pairs whose sort texts compare equal to its own.
#pragma once

#include <string>
#include <vector>

namespace check_html {

struct IndexEntry {
  std::string key;   // the shown entry text followed by "!!"
  std::string sort;  // the text it sorts by, followed by "!!"; the key itself without "sort@"
  std::string link;  // page + "#" + anchor
};

class LatexEntryList {
 public:
  void Add(IndexEntry entry);
  // The pairs in index order. Sorting is stable over the pairs in reverse order of adding, so
  // it is O(n log n) and gives the order that inserting each pair before its equals gives.
  std::vector<IndexEntry> Sorted() &&;

 private:
  std::vector<IndexEntry> entries_;
};

}  // namespace check_html
