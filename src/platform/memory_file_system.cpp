#include "platform/memory_file_system.h"

#include <algorithm>

#include "platform/case_map.h"
#include "platform/path_parts.h"

namespace check_html {
namespace {

std::string KeyOf(std::string_view path) { return LowerCase(NormalPath(path)); }

bool IsRoot(const std::string& normalized) { return normalized.empty() || normalized == "/"; }

// The folder of a normalised path: "a/b" -> "a", "/a" -> "/", "a" -> "".
std::string ParentOf(const std::string& normalized) {
  size_t slash = normalized.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : normalized.substr(0, slash);
}

std::string LeafOf(const std::string& normalized) {
  return normalized.substr(normalized.rfind('/') + 1);
}

}  // namespace

MemoryFileSystem::File* MemoryFileSystem::FindFile(std::string_view path) {
  auto it = files_.find(KeyOf(path));
  return it == files_.end() ? nullptr : &it->second;
}

const MemoryFileSystem::File* MemoryFileSystem::FindFile(std::string_view path) const {
  auto it = files_.find(KeyOf(path));
  return it == files_.end() ? nullptr : &it->second;
}

bool MemoryFileSystem::FolderExists(const std::string& key) const {
  return IsRoot(key) || folders_.count(key) != 0;
}

std::optional<std::string> MemoryFileSystem::NameForCreate(std::string_view path) const {
  std::string normalized = NormalPath(path);
  if (IsRoot(normalized)) return std::nullopt;
  std::string parent = ParentOf(normalized);
  std::string parent_key = LowerCase(parent);
  if (!FolderExists(parent_key)) return std::nullopt;
  std::string stored_parent = IsRoot(parent_key) ? parent : folders_.at(parent_key);
  return JoinPath(stored_parent, LeafOf(normalized));
}

void MemoryFileSystem::StoreFile(const std::string& name, File file) {
  file.name = name;
  files_[LowerCase(name)] = std::move(file);
}

bool MemoryFileSystem::Exists(std::string_view path) const {
  return FindFile(path) != nullptr || IsFolder(path);
}

bool MemoryFileSystem::IsFolder(std::string_view path) const {
  return FolderExists(KeyOf(path));
}

std::optional<std::string> MemoryFileSystem::NativePath(std::string_view path) const {
  if (const File* file = FindFile(path)) return file->name;
  std::string key = KeyOf(path);
  if (!IsRoot(key) && FolderExists(key)) return folders_.at(key);
  return NameForCreate(path);
}

FileStatus MemoryFileSystem::ReadFile(std::string_view path, std::string& bytes,
                                      bool need_write) const {
  const File* file = FindFile(path);
  if (file == nullptr || (need_write && file->read_only)) return FileStatus::kCannotOpen;
  if (file->io_error) return FileStatus::kIoError;
  bytes = file->bytes;
  return FileStatus::kOk;
}

FileStatus MemoryFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  if (File* file = FindFile(path)) {
    if (file->read_only) return FileStatus::kCannotOpen;
    if (file->io_error) return FileStatus::kIoError;
    file->bytes = bytes;
    log_.push_back("write " + file->name);
    return FileStatus::kOk;
  }
  std::optional<std::string> name = NameForCreate(path);
  if (!name || IsFolder(path)) return FileStatus::kCannotOpen;
  StoreFile(*name, File{"", std::string(bytes)});
  log_.push_back("write " + *name);
  return FileStatus::kOk;
}

bool MemoryFileSystem::Rename(std::string_view from, std::string_view to) {
  const File* source = FindFile(from);
  std::optional<std::string> name = NameForCreate(to);
  if (source == nullptr || !name) return false;
  // Only a change of letter case may rename onto the name the file already has.
  bool same_file = LowerCase(*name) == LowerCase(source->name);
  if ((Exists(to) && !same_file) || *name == source->name) return false;
  File moved = *source;
  std::string old_name = moved.name;
  files_.erase(LowerCase(old_name));
  StoreFile(*name, std::move(moved));
  log_.push_back("rename " + old_name + " -> " + *name);
  return true;
}

bool MemoryFileSystem::Remove(std::string_view path) {
  const File* file = FindFile(path);
  if (file == nullptr || file->read_only) return false;
  log_.push_back("remove " + file->name);
  files_.erase(LowerCase(file->name));
  return true;
}

bool MemoryFileSystem::Copy(std::string_view from, std::string_view to, bool fail_if_exists) {
  const File* source = FindFile(from);
  if (source == nullptr || source->io_error || IsFolder(to)) return false;
  std::string target_name;
  if (const File* target = FindFile(to)) {
    if (fail_if_exists || target->read_only || target == source || target->io_error) {
      return false;
    }
    target_name = target->name;
  } else if (std::optional<std::string> name = NameForCreate(to)) {
    target_name = *name;
  } else {
    return false;
  }
  File copy = *source;  // like the disk copy, it keeps the write protection
  StoreFile(target_name, std::move(copy));
  log_.push_back("copy " + source->name + " -> " + target_name);
  return true;
}

bool MemoryFileSystem::MakeFolder(std::string_view path) {
  std::string normalized = NormalPath(path);
  std::string stored = normalized.starts_with('/') ? "/" : "";
  bool created = false;
  for (const std::string& name : SplitPath(normalized).names) {
    std::string next = JoinPath(stored, name);
    std::string key = LowerCase(next);
    if (files_.count(key) != 0) return false;
    auto [it, inserted] = folders_.emplace(key, next);
    created = created || inserted;
    stored = it->second;
  }
  if (created) log_.push_back("make folder " + stored);
  return true;
}

std::vector<FolderEntry> MemoryFileSystem::ListFolder(std::string_view folder,
                                                      std::string_view mask) const {
  std::vector<FolderEntry> entries;
  std::string folder_key = KeyOf(folder);
  if (!FolderExists(folder_key)) return entries;
  auto add_if_child = [&](const std::string& key, const std::string& name, bool is_folder) {
    std::string leaf = LeafOf(name);
    if (ParentOf(key) == folder_key && MatchesMask(leaf, mask)) {
      entries.push_back({leaf, is_folder});
    }
  };
  for (const auto& [key, file] : files_) add_if_child(key, file.name, false);
  for (const auto& [key, name] : folders_) add_if_child(key, name, true);
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return SortsBefore(a.name, b.name);
  });
  return entries;
}

void MemoryFileSystem::AddFile(std::string_view path, std::string_view bytes) {
  std::string normalized = NormalPath(path);
  AddFolder(ParentOf(normalized));
  if (File* file = FindFile(normalized)) {
    file->bytes = bytes;
  } else if (std::optional<std::string> name = NameForCreate(normalized)) {
    StoreFile(*name, File{"", std::string(bytes)});
  }
}

void MemoryFileSystem::AddFolder(std::string_view path) {
  std::vector<std::string> saved_log = std::move(log_);
  MakeFolder(path);
  log_ = std::move(saved_log);
}

void MemoryFileSystem::SetReadOnly(std::string_view path, bool read_only) {
  if (File* file = FindFile(path)) file->read_only = read_only;
}

void MemoryFileSystem::SetIoError(std::string_view path, bool fails) {
  if (File* file = FindFile(path)) file->io_error = fails;
}

std::optional<std::string> MemoryFileSystem::Contents(std::string_view path) const {
  const File* file = FindFile(path);
  if (file == nullptr) return std::nullopt;
  return file->bytes;
}

std::vector<std::string> MemoryFileSystem::Files() const {
  std::vector<std::string> names;
  for (const auto& [key, file] : files_) names.push_back(file.name);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return SortsBefore(a, b); });
  return names;
}

}  // namespace check_html
