#include "platform/prefix_map.h"

#include <sys/stat.h>

#include <mutex>

namespace check_html {
namespace {

bool Holds(const PrefixMap::FoldCheck& check) {
  struct stat info;
  return stat(check.folder.empty() ? "." : check.folder.c_str(), &info) == 0 &&
         S_ISDIR(info.st_mode) && check.stamp.Holds(info);
}

}  // namespace

PrefixMap::Known PrefixMap::Longest(std::string_view written, const std::vector<size_t>& ends,
                                    size_t up_to) {
  for (size_t names = up_to; names > 0; --names) {
    const std::string_view key = written.substr(0, ends[names - 1]);
    std::shared_ptr<const Entry> entry;
    {
      std::shared_lock lock(mutex_);
      auto found = entries_.find(key);
      if (found == entries_.end()) continue;
      entry = found->second;
    }
    bool valid = true;
    for (const FoldCheck& check : entry->checks) {
      if (!Holds(check)) {
        valid = false;
        break;
      }
    }
    if (valid) return Known{names, std::move(entry)};
    Forget(key, entry.get());
  }
  return Known{};
}

void PrefixMap::Remember(std::string_view written, std::shared_ptr<const Entry> entry) {
  std::unique_lock lock(mutex_);
  auto [it, inserted] = entries_.try_emplace(std::string(written), std::move(entry));
  if (inserted) {
    size_.fetch_add(1, std::memory_order_relaxed);
  } else if (entry) {
    it->second = std::move(entry);
  }
}

void PrefixMap::Forget(std::string_view written, const Entry* entry) {
  std::unique_lock lock(mutex_);
  auto found = entries_.find(written);
  if (found == entries_.end() || found->second.get() != entry) return;
  entries_.erase(found);
  size_.fetch_sub(1, std::memory_order_relaxed);
}

}  // namespace check_html
