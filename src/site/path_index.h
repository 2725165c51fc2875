// The index of the Files table: path -> the lowest entry that holds it. It is the crawl's
// busiest lookup, so it is an open-addressing table of (hash, entry) slots: a lookup touches a
// slot or two and the entry's path, where a node-based map touches a node, its key and a list.
// Entries whose paths have become equal (a rename may do that) are listed in a side table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace check_html {

class PathIndex {
 public:
  // Each call gets the table the index is of; `paths[entry]` is the entry's path.
  int32_t Find(std::span<const std::string> paths, std::string_view path) const;
  // The same with the path's hash computed beforehand (by the crawl's workers).
  int32_t Find(std::span<const std::string> paths, std::string_view path,
               std::size_t hash) const;
  // Starts loading the slot a lookup of this hash begins at, so that several lookups overlap.
  void Prefetch(std::size_t hash) const {
    __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }
  static std::size_t HashOf(std::string_view path);
  // After paths[entry] was appended or took a new path.
  void Add(std::span<const std::string> paths, int32_t entry);
  // Before paths[entry] changes.
  void Remove(std::span<const std::string> paths, int32_t entry);

 private:
  struct Slot {
    std::size_t hash = 0;
    int32_t entry = 0;  // 0: free
  };

  std::size_t Locate(std::span<const std::string> paths, std::string_view path,
                     std::size_t hash) const;  // the slot holding path, else the free one
  void Grow();
  void Free(std::size_t slot);

  std::vector<Slot> slots_ = std::vector<Slot>(16);  // a power of two, at most half used
  std::size_t used_ = 0;
  std::unordered_map<std::string, std::vector<int32_t>> shared_;  // path -> entries, ascending
};

}  // namespace check_html
