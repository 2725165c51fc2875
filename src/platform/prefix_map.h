// The folders whose letter case has been resolved, so that a path is resolved from its longest
// known folder in one step instead of folder by folder. A run writes every path in lower case,
// so a site under a folder with capitals (/home/Anna/Sites/...) would otherwise resolve the case
// of every folder of every page's path.
//
// The key is a folder's path as the program wrote it (names joined by "/"; in a run always the
// lower-case form), the value the path that the resolution found on disk. Only folders reached
// through a name found by its case fold are kept: a path that exists as written needs no map.
// An entry is valid while the folders in which those names were found by their fold are in the
// state they were then (FolderStamp: the same rule as for the folder listings), since a name
// found so depends on nothing else than the listing of its folder; a name that existed as
// written is still there whenever the path through it still exists. A name whose fold two names
// share is not kept: had one of them been made between the look at the name as written and the
// listing, the listing could not tell that the name as written was missing.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/folder_names.h"

namespace check_html {

class PrefixMap {
 public:
  // A folder in which a name was found by its case fold, and its state then.
  struct FoldCheck {
    std::string folder;
    FolderStamp stamp;
  };
  struct Entry {
    std::string real;                // the folder's path on disk
    std::vector<FoldCheck> checks;   // never empty: outermost folder first
  };
  // The longest valid known folder of a path.
  struct Known {
    size_t names = 0;  // how many names of the path it covers; 0: none known
    std::shared_ptr<const Entry> entry;
  };

  // `written` is a path as SplitPath and JoinPath make it from its names, `ends[i]` the length
  // of its first i + 1 names. Looks for the longest known prefix of at most `up_to` names whose
  // checks still hold (one stat() per check); entries found invalid are dropped.
  Known Longest(std::string_view written, const std::vector<size_t>& ends, size_t up_to);

  // Remembers the folder `written` (as in Longest) as `entry`.
  void Remember(std::string_view written, std::shared_ptr<const Entry> entry);

  // Drops the entry of `written` when it is still `entry`.
  void Forget(std::string_view written, const Entry* entry);

  bool Empty() const { return size_.load(std::memory_order_relaxed) == 0; }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  mutable std::shared_mutex mutex_;
  std::unordered_map<std::string, std::shared_ptr<const Entry>, Hash, std::equal_to<>> entries_;
  std::atomic<size_t> size_{0};
};

}  // namespace check_html
