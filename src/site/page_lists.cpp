#include "site/page_lists.h"

#include <stdexcept>

namespace check_html {
namespace {

std::string Cut(std::string_view text) {
  return std::string(text.substr(0, kPageEntryCapacity));
}

void CheckEntry(int32_t i) {
  if (i < 0 || i > kPageListLast) {
    throw std::out_of_range("PageList: no entry " + std::to_string(i));
  }
}

}  // namespace

std::unique_lock<std::recursive_mutex> PageList::Lock() const {
  return std::unique_lock<std::recursive_mutex>(mutex_);
}

void PageList::Reset(std::string_view project_name) {
  const auto lock = Lock();
  entries_[0] = Cut(project_name);
  count_ = 0;
}

bool PageList::Add(std::string_view page) {
  const auto lock = Lock();
  const bool had_room = count_ < kPageListLast;
  if (had_room) ++count_;
  entries_[static_cast<std::size_t>(count_)] = Cut(page);
  return had_room;
}

int32_t PageList::Count() const {
  const auto lock = Lock();
  return count_;
}

bool PageList::SetCount(int32_t count) {
  if (count < 0 || count > kPageListLast) return false;
  const auto lock = Lock();
  count_ = count;
  return true;
}

std::string PageList::Get(int32_t i) const {
  CheckEntry(i);
  const auto lock = Lock();
  return entries_[static_cast<std::size_t>(i)];
}

void PageList::Set(int32_t i, std::string_view text) {
  CheckEntry(i);
  const auto lock = Lock();
  entries_[static_cast<std::size_t>(i)] = Cut(text);
}

std::vector<std::string> PageList::Snapshot() const {
  const auto lock = Lock();
  return std::vector<std::string>(entries_.begin(), entries_.begin() + (count_ + 1));
}

std::string PageList::Pack() const {
  const auto lock = Lock();
  std::string block;
  block.reserve(static_cast<std::size_t>(count_ + 1) * kPackedEntrySize);
  for (int32_t i = 0; i <= count_; ++i) PutPageEntry(block, entries_[static_cast<std::size_t>(i)]);
  return block;
}

bool PageList::Unpack(std::string_view block) {
  if (block.size() % kPackedEntrySize != 0) return false;
  if (block.size() / kPackedEntrySize > entries_.size()) return false;
  const auto lock = Lock();
  const std::size_t entries = block.size() / kPackedEntrySize;
  for (std::size_t i = 0; i < entries; ++i) GetPageEntry(block, entries_[i]);
  return true;
}

void PageLists::AddCleanedPage(std::string_view page) {
  if (!CleanedList.Add(page)) ListFull = true;
}

std::string PageLists::RootPrefix() const {
  const std::lock_guard<std::mutex> lock(root_prefix_mutex_);
  return root_prefix_;
}

void PageLists::SetRootPrefix(std::string_view prefix) {
  const std::lock_guard<std::mutex> lock(root_prefix_mutex_);
  root_prefix_ = Cut(prefix);
}

}  // namespace check_html
