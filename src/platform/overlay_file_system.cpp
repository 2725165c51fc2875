#include "platform/overlay_file_system.h"

#include <algorithm>
#include <mutex>

#include "platform/case_map.h"
#include "platform/path_parts.h"

namespace check_html {
namespace {

// The folder of a normal path: "a/b" -> "a", "/a" -> "/", "a" -> "".
std::string ParentOf(const std::string& normal) {
  const size_t slash = normal.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : normal.substr(0, slash);
}

std::string LeafOf(const std::string& normal) { return normal.substr(normal.rfind('/') + 1); }

}  // namespace

std::string OverlayFileSystem::KeyOf(std::string_view path) {
  const std::string folded = LowerCase(NormalPath(path));
  return ParentOf(folded) + '\0' + LeafOf(folded);
}

std::string OverlayFileSystem::ChildKeyPrefix(std::string_view folder) {
  return LowerCase(NormalPath(folder)) + '\0';
}

const OverlayFileSystem::Entry* OverlayFileSystem::Find(const std::string& key) const {
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : &it->second;
}

bool OverlayFileSystem::OverlayFolder(const std::string& key) const {
  return folders_.count(key) != 0;
}

bool OverlayFileSystem::UntouchedBaseFile(std::string_view path, const std::string& key) const {
  return Find(key) == nullptr && !OverlayFolder(key) && base_.Exists(path) &&
         !base_.IsFolder(path);
}

bool OverlayFileSystem::ExistsLocked(std::string_view path, const std::string& key) const {
  if (const Entry* entry = Find(key)) return entry->kind != Entry::Kind::kRemoved;
  return OverlayFolder(key) || base_.Exists(path);
}

bool OverlayFileSystem::IsFolderLocked(std::string_view path, const std::string& key) const {
  if (OverlayFolder(key)) return true;
  return Find(key) == nullptr && base_.IsFolder(path);
}

std::optional<std::string> OverlayFileSystem::FolderName(const std::string& folder) const {
  if (auto made = folders_.find(KeyOf(folder)); made != folders_.end()) return made->second;
  if (!base_.IsFolder(folder)) return std::nullopt;
  return NormalPath(base_.NativePath(folder).value_or(folder));
}

// As the disk names a new file: an existing file of another letter case keeps its name,
// otherwise the name is the one given, in the folder's stored name.
std::optional<std::string> OverlayFileSystem::NameForNew(std::string_view path) const {
  const std::string normal = NormalPath(path);
  const std::optional<std::string> folder = FolderName(ParentOf(normal));
  if (!folder) return std::nullopt;
  if (Find(KeyOf(path)) == nullptr && base_.Exists(path)) {
    return NormalPath(base_.NativePath(path).value_or(normal));
  }
  return JoinPath(*folder, LeafOf(normal));
}

// The name the base keeps a file under: Windows leaves letter case to the system, so its
// NativePath may give the name as asked; the folder's listing has it as stored.
std::string OverlayFileSystem::StoredBaseName(std::string_view path) const {
  const std::string normal = NormalPath(base_.NativePath(path).value_or(std::string(path)));
  const std::string leaf = LeafOf(normal);
  if (leaf.find_first_of("*?; ") != std::string::npos) return normal;
  const std::string folder = ParentOf(normal);
  for (const FolderEntry& entry : base_.ListFolder(folder, leaf)) {
    if (!entry.is_folder) return JoinPath(folder, entry.name);
  }
  return normal;
}

bool OverlayFileSystem::Writable(const Entry* entry, std::string_view path) const {
  if (entry != nullptr && entry->kind == Entry::Kind::kWritten) return true;
  std::string ignored;
  const std::string_view base_path = entry != nullptr ? std::string_view(entry->source) : path;
  return base_.ReadFile(base_path, ignored, true) != FileStatus::kCannotOpen;
}

OverlayFileSystem::Entry OverlayFileSystem::ContentOf(const Entry* entry,
                                                      std::string_view path) const {
  if (entry != nullptr) return *entry;
  Entry content;
  content.kind = Entry::Kind::kFromBase;
  content.source = NormalPath(base_.NativePath(path).value_or(std::string(path)));
  return content;
}

void OverlayFileSystem::Store(const std::string& key, Entry content, const std::string& name,
                              bool in_base) {
  content.path = name;
  content.in_base = in_base;
  entries_[key] = std::move(content);
}

void OverlayFileSystem::MarkRemoved(const std::string& key, Entry* entry,
                                    std::string_view path) {
  if (entry == nullptr) {
    Entry removed;
    removed.kind = Entry::Kind::kRemoved;
    Store(key, std::move(removed), NormalPath(base_.NativePath(path).value_or(std::string(path))),
          true);
    return;
  }
  if (!entry->in_base) {
    entries_.erase(key);
    return;
  }
  entry->kind = Entry::Kind::kRemoved;
  entry->bytes.reset();
  entry->source.clear();
}

bool OverlayFileSystem::Exists(std::string_view path) const {
  std::shared_lock lock(mutex_);
  return ExistsLocked(path, KeyOf(path));
}

bool OverlayFileSystem::IsFolder(std::string_view path) const {
  std::shared_lock lock(mutex_);
  return IsFolderLocked(path, KeyOf(path));
}

std::optional<std::string> OverlayFileSystem::NativePath(std::string_view path) const {
  std::shared_lock lock(mutex_);
  const std::string key = KeyOf(path);
  if (const Entry* entry = Find(key); entry != nullptr && entry->kind != Entry::Kind::kRemoved) {
    return entry->path;
  }
  if (auto folder = folders_.find(key); folder != folders_.end()) return folder->second;
  if (Find(key) == nullptr && base_.Exists(path)) return base_.NativePath(path);
  return NameForNew(path);
}

std::string OverlayFileSystem::FileIdentity(std::string_view path) const {
  std::shared_lock lock(mutex_);
  const std::string key = KeyOf(path);
  const Entry* entry = Find(key);
  if (entry == nullptr) return base_.FileIdentity(path);
  if (entry->kind == Entry::Kind::kFromBase) return base_.FileIdentity(entry->source);
  return "overlay:" + LowerCase(NormalPath(path));
}

FileStatus OverlayFileSystem::ReadFile(std::string_view path, std::string& bytes,
                                       bool need_write) const {
  std::optional<Entry> entry;
  {
    std::shared_lock lock(mutex_);
    const std::string key = KeyOf(path);
    if (const Entry* found = Find(key)) entry = *found;
    else if (OverlayFolder(key)) return FileStatus::kCannotOpen;
  }
  if (!entry) return base_.ReadFile(path, bytes, need_write);  // no lock held over the disk
  switch (entry->kind) {
    case Entry::Kind::kRemoved:
      return FileStatus::kCannotOpen;
    case Entry::Kind::kFromBase:
      return base_.ReadFile(entry->source, bytes, need_write);
    case Entry::Kind::kWritten:
      break;
  }
  bytes = *entry->bytes;
  return FileStatus::kOk;
}

FileStatus OverlayFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  std::unique_lock lock(mutex_);
  const std::string key = KeyOf(path);
  Entry* entry = entries_.count(key) != 0 ? &entries_[key] : nullptr;
  std::optional<std::string> name;
  bool in_base = entry != nullptr && entry->in_base;
  if (entry != nullptr && entry->kind != Entry::Kind::kRemoved) {
    if (!Writable(entry, path)) return FileStatus::kCannotOpen;
    name = entry->path;
  } else if (entry == nullptr && UntouchedBaseFile(path, key)) {
    if (!Writable(nullptr, path)) return FileStatus::kCannotOpen;
    name = StoredBaseName(path);
    in_base = true;
  } else {
    if (IsFolderLocked(path, key)) return FileStatus::kCannotOpen;
    name = NameForNew(path);
    if (!name) return FileStatus::kCannotOpen;
  }
  Entry written;
  written.bytes = std::make_shared<const std::string>(bytes);
  Store(key, std::move(written), *name, in_base);
  return FileStatus::kOk;
}

bool OverlayFileSystem::Rename(std::string_view from, std::string_view to) {
  std::unique_lock lock(mutex_);
  const std::string from_key = KeyOf(from);
  const std::string to_key = KeyOf(to);
  Entry* source = entries_.count(from_key) != 0 ? &entries_[from_key] : nullptr;
  const bool source_exists = source != nullptr ? source->kind != Entry::Kind::kRemoved
                                               : UntouchedBaseFile(from, from_key);
  if (!source_exists) return false;
  const bool same_file = from_key == to_key;
  std::optional<std::string> name = NameForNew(to);
  if (same_file) {
    const std::optional<std::string> folder = FolderName(ParentOf(NormalPath(to)));
    if (folder) name = JoinPath(*folder, LeafOf(NormalPath(to)));
  }
  if (!name) return false;
  if (!same_file && ExistsLocked(to, to_key)) return false;
  Entry moved = ContentOf(source, from);
  if (same_file) {
    if (source != nullptr && source->path == *name) return false;
    Store(to_key, std::move(moved), *name, source != nullptr ? source->in_base : true);
    return true;
  }
  const Entry* target = Find(to_key);
  const bool target_in_base = target != nullptr ? target->in_base : base_.Exists(to);
  MarkRemoved(from_key, source, from);
  Store(to_key, std::move(moved), *name, target_in_base);
  return true;
}

bool OverlayFileSystem::Remove(std::string_view path) {
  std::unique_lock lock(mutex_);
  const std::string key = KeyOf(path);
  Entry* entry = entries_.count(key) != 0 ? &entries_[key] : nullptr;
  if (entry != nullptr ? entry->kind == Entry::Kind::kRemoved : !UntouchedBaseFile(path, key)) {
    return false;
  }
  if (!Writable(entry, path)) return false;
  MarkRemoved(key, entry, path);
  return true;
}

bool OverlayFileSystem::Copy(std::string_view from, std::string_view to, bool fail_if_exists) {
  std::unique_lock lock(mutex_);
  const std::string from_key = KeyOf(from);
  const std::string to_key = KeyOf(to);
  const Entry* source = Find(from_key);
  const bool source_exists = source != nullptr ? source->kind != Entry::Kind::kRemoved
                                               : UntouchedBaseFile(from, from_key);
  if (!source_exists || IsFolderLocked(to, to_key)) return false;
  const Entry* target = Find(to_key);
  const bool target_exists = ExistsLocked(to, to_key);
  std::optional<std::string> name;
  if (target_exists) {
    if (fail_if_exists || from_key == to_key || !Writable(target, to)) return false;
    name = target != nullptr ? target->path : StoredBaseName(to);
  } else {
    name = NameForNew(to);
    if (!name) return false;
  }
  const bool in_base = target != nullptr ? target->in_base : target_exists;
  Store(to_key, ContentOf(source, from), *name, in_base);
  return true;
}

bool OverlayFileSystem::MakeFolder(std::string_view path) {
  std::unique_lock lock(mutex_);
  const std::string normal = NormalPath(path);
  std::string stored = normal.starts_with('/') ? "/" : "";
  for (const std::string& name : SplitPath(normal).names) {
    const std::string next = JoinPath(stored, name);
    const std::string key = KeyOf(next);
    if (auto folder = folders_.find(key); folder != folders_.end()) {
      stored = folder->second;
    } else if (Find(key) == nullptr && base_.IsFolder(next)) {
      stored = NormalPath(base_.NativePath(next).value_or(next));
    } else if (ExistsLocked(next, key)) {
      return false;  // a file stands in the way
    } else {
      folders_.emplace(key, next);
      stored = next;
    }
  }
  return true;
}

std::vector<FolderEntry> OverlayFileSystem::ListFolder(std::string_view folder,
                                                       std::string_view mask) const {
  std::shared_lock lock(mutex_);
  std::vector<FolderEntry> entries;
  const std::string prefix = ChildKeyPrefix(folder);
  for (FolderEntry& entry : base_.ListFolder(folder, mask)) {
    if (entries_.count(prefix + LowerCase(entry.name)) == 0) entries.push_back(std::move(entry));
  }
  for (auto it = entries_.lower_bound(prefix);
       it != entries_.end() && it->first.starts_with(prefix); ++it) {
    const std::string leaf = LeafOf(it->second.path);
    if (it->second.kind != Entry::Kind::kRemoved && MatchesMask(leaf, mask)) {
      entries.push_back({leaf, false});
    }
  }
  for (auto it = folders_.lower_bound(prefix);
       it != folders_.end() && it->first.starts_with(prefix); ++it) {
    const std::string leaf = LeafOf(it->second);
    if (MatchesMask(leaf, mask)) entries.push_back({leaf, true});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return SortsBefore(a.name, b.name);
  });
  return entries;
}

std::vector<OverlayChange> OverlayFileSystem::Changes() const {
  std::shared_lock lock(mutex_);
  std::vector<OverlayChange> changes;
  changes.reserve(entries_.size());
  for (const auto& [key, entry] : entries_) changes.push_back(entry);
  return changes;
}

}  // namespace check_html
