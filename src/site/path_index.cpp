#include "site/path_index.h"

#include <algorithm>
#include <functional>

namespace check_html {
std::size_t PathIndex::HashOf(std::string_view path) {
  return std::hash<std::string_view>{}(path);
}

std::size_t PathIndex::Locate(std::span<const std::string> paths, std::string_view path,
                              std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.entry == 0) return i;
    if (slot.hash == hash && paths[static_cast<std::size_t>(slot.entry)] == path) return i;
  }
}

int32_t PathIndex::Find(std::span<const std::string> paths, std::string_view path) const {
  return Find(paths, path, HashOf(path));
}

int32_t PathIndex::Find(std::span<const std::string> paths, std::string_view path,
                        std::size_t hash) const {
  return slots_[Locate(paths, path, hash)].entry;
}

void PathIndex::Add(std::span<const std::string> paths, int32_t entry) {
  const std::string& path = paths[static_cast<std::size_t>(entry)];
  const std::size_t hash = HashOf(path);
  Slot& slot = slots_[Locate(paths, path, hash)];
  if (slot.entry == 0) {
    slot = {hash, entry};
    if (++used_ * 2 > slots_.size()) Grow();
    return;
  }
  std::vector<int32_t>& entries = shared_[path];
  if (entries.empty()) entries.push_back(slot.entry);
  entries.insert(std::lower_bound(entries.begin(), entries.end(), entry), entry);
  slot.entry = entries.front();
}

void PathIndex::Remove(std::span<const std::string> paths, int32_t entry) {
  const std::string& path = paths[static_cast<std::size_t>(entry)];
  const std::size_t at = Locate(paths, path, HashOf(path));
  if (slots_[at].entry == 0) return;
  auto shared = shared_.find(path);
  if (shared == shared_.end()) {
    Free(at);
    return;
  }
  std::vector<int32_t>& entries = shared->second;
  entries.erase(std::find(entries.begin(), entries.end(), entry));
  slots_[at].entry = entries.front();
  if (entries.size() == 1) shared_.erase(shared);
}

void PathIndex::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].entry != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

// Frees a slot and moves later slots of the same probe run back, so no lookup stops early.
void PathIndex::Free(std::size_t slot) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = slot;
  for (std::size_t i = (hole + 1) & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
    const std::size_t home = slots_[i].hash & mask;
    // The slot may move into the hole when its home is not within (hole, i].
    const bool home_in_range = hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
    if (!home_in_range) {
      slots_[hole] = slots_[i];
      hole = i;
    }
  }
  slots_[hole] = {};
  --used_;
}

}  // namespace check_html
