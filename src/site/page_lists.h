// The two page lists that outlive check runs: BackboneList (the chapters' main pages) and
// CleanedList (the pages the last rewrite produced). Each holds entries 0..4095 of
// at most 255 characters and a count; entry 0 is the project name, entries 1..count are pages.
// The pipe threads read and write them while a run may be going on, so every operation takes
// the list's lock; a caller doing several steps holds Lock() across them (the lock is
// recursive, the single operations may be called under it).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "site/page_list_coding.h"

namespace check_html {

inline constexpr int32_t kPageListLast = 4095;  // highest entry index, also the highest count

class PageList {
 public:
  std::unique_lock<std::recursive_mutex> Lock() const;

  // Count 0 and entry 0 = the project name; the other entries keep their text.
  void Reset(std::string_view project_name);
  // Count + 1 and the page stored at the new count. A list holding 4095 pages keeps its count,
  // the page overwrites entry 4095, and the result is false.
  bool Add(std::string_view page);

  int32_t Count() const;
  // False, and nothing changed, for a count outside 0..4095.
  bool SetCount(int32_t count);

  // Entry i, 0..4095; other indexes throw std::out_of_range. Set keeps the first 255 bytes.
  std::string Get(int32_t i) const;
  void Set(int32_t i, std::string_view text);
  // Entries 0..count, read under one lock.
  std::vector<std::string> Snapshot() const;

  // Entries 0..count in block form (see page_list_coding.h).
  std::string Pack() const;
  // Stores the block's entries from entry 0 on; the count is left as it is. False, and
  // nothing changed, when the block is not whole entries or holds more than 4096.
  bool Unpack(std::string_view block);

 private:
  mutable std::recursive_mutex mutex_;
  std::array<std::string, kPageListLast + 1> entries_{};
  int32_t count_ = 0;
};

// The page lists of the program: made once by the front end, shared by its runs and its pipe.
struct PageLists {
  PageList BackboneList;
  PageList CleanedList;
  // Set when a page was added to a full CleanedList; the run then ends "Idle (f_No too small!)".
  std::atomic<bool> ListFull{false};

  // CleanedList.Add, setting ListFull when the list was full.
  void AddCleanedPage(std::string_view page);

  // The common beginning of the chapter folders' paths, at most 255 characters.
  std::string RootPrefix() const;
  void SetRootPrefix(std::string_view prefix);

 private:
  mutable std::mutex root_prefix_mutex_;
  std::string root_prefix_;
};

}  // namespace check_html
