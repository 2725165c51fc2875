#include "platform/disk_file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/disk_io.h"
#include "platform/disk_resolver.h"
#include "platform/folder_names.h"
#include "platform/temp_files_ahead.h"

namespace check_html {
namespace {

bool IsRegular(const std::optional<struct stat>& info) {
  return info && S_ISREG(info->st_mode);
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A path the system can be given as it is ("\" separates names only for this program).
bool AsWritten(std::string_view path) {
  return !path.empty() && path.find('\\') == std::string_view::npos;
}

std::string IdentityOf(const struct stat& info) {
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

// The folder part of a resolved path, with its trailing "/".
std::string FolderOf(const std::string& path) {
  return path.substr(0, path.size() - LeafName(path).size());
}

// A file written through a temporary file and a rename: either a new name in its folder or
// the same name with new contents.
void NoteWritten(OwnFolderChange& change, const std::string& target, bool existed) {
  if (existed) {
    change.Replaced();
  } else {
    change.Added(LeafName(target));
  }
}

}  // namespace

DiskFileSystem::DiskFileSystem() : resolver_(std::make_unique<DiskResolver>()) {}
DiskFileSystem::~DiskFileSystem() = default;

void DiskFileSystem::ExpectWrites(std::vector<std::string> paths) {
  ahead_.reset();  // its unused temporary files go first
  if (!paths.empty()) ahead_ = std::make_unique<TempFilesAhead>(*resolver_, std::move(paths));
}

bool DiskFileSystem::Exists(std::string_view path) const {
  return resolver_->ResolveExisting(path).has_value();
}

bool DiskFileSystem::IsFolder(std::string_view path) const {
  std::optional<ResolvedPath> real = resolver_->ResolveExisting(path);
  if (!real) return false;
  if (!real->info) real->info = StatPath(real->path);
  return real->info && S_ISDIR(real->info->st_mode);
}

std::optional<std::string> DiskFileSystem::NativePath(std::string_view path) const {
  return resolver_->ResolveForCreate(path);
}

// The device and inode number, whatever links the path goes through. Almost every page is
// asked for under the name it was found by, or lies in a folder whose letter case is known:
// those are tried before resolving letter case.
std::string DiskFileSystem::FileIdentity(std::string_view path) const {
  struct stat info {};
  bool found = AsWritten(path) && stat(std::string(path).c_str(), &info) == 0;
  if (!found) {
    const std::optional<std::string> place = resolver_->KnownPlace(path);
    found = place && stat(place->c_str(), &info) == 0;
  }
  if (!found) {
    const std::optional<ResolvedPath> native = resolver_->ResolveExisting(path);
    found = native && stat(native->path.c_str(), &info) == 0;
  }
  if (!found) return std::string(path);
  return IdentityOf(info);
}

// One resolution gives what Exists, IsFolder and FileIdentity would.
std::optional<FoundFile> DiskFileSystem::Find(std::string_view path) const {
  std::optional<ResolvedPath> real = resolver_->ResolveExisting(path);
  if (!real) return std::nullopt;
  if (!real->info) real->info = StatPath(real->path);
  FoundFile found;
  found.identity = real->info ? IdentityOf(*real->info) : std::string(path);
  found.is_folder = real->info && S_ISDIR(real->info->st_mode);
  found.path = std::move(real->path);
  return found;
}

FileStatus DiskFileSystem::ReadFile(std::string_view path, std::string& bytes,
                                    bool need_write) const {
  // Almost every file is read under the name it was found by, or lies in a folder whose letter
  // case is known: those are opened before resolving.
  bool missing = false;
  if (AsWritten(path)) {
    FileStatus status = ReadWholeFile(std::string(path), bytes, need_write, &missing);
    if (!missing) return status;
  }
  if (std::optional<std::string> place = resolver_->KnownPlace(path)) {
    FileStatus status = ReadWholeFile(*place, bytes, need_write, &missing);
    if (!missing) return status;
  }
  std::optional<ResolvedPath> real = resolver_->ResolveExisting(path);
  if (!real) return FileStatus::kCannotOpen;
  return ReadWholeFile(real->path, bytes, need_write);
}

FileStatus DiskFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  std::optional<std::string> target = resolver_->ResolveForCreate(path);
  if (!target) return FileStatus::kCannotOpen;
  FileAttributes attributes;
  std::optional<struct stat> info = StatPath(*target);
  if (info) {
    if (!S_ISREG(info->st_mode) || IsWriteProtected(*info)) return FileStatus::kCannotOpen;
    attributes.mode = info->st_mode & 07777;  // a replaced file keeps its permissions
  }
  TempFile temp = ahead_ ? ahead_->Take(path, *target) : TempFile{};
  OwnFolderChange change(resolver_->Names(), FolderKey(*target));
  FileStatus status = ReplaceFile(*target, bytes, attributes, std::move(temp));
  if (status == FileStatus::kOk) NoteWritten(change, *target, info.has_value());
  return status;
}

bool DiskFileSystem::Rename(std::string_view from, std::string_view to) {
  std::optional<ResolvedPath> found = resolver_->ResolveExisting(from);
  std::optional<std::string> target = resolver_->ResolveForCreate(to);
  if (!found || !target) return false;
  const std::string* source = &found->path;
  if (StatPath(*target)) {
    // The target is the source itself: a change of letter case only, as Windows allows.
    std::string renamed = FolderOf(*target) + SplitPath(to).names.back();
    if (*target != *source || renamed == *source) return false;
    target = std::move(renamed);
  }
  OwnFolderChange leaving(resolver_->Names(), FolderKey(*source));
  OwnFolderChange arriving(resolver_->Names(), FolderKey(*target));
  if (rename(source->c_str(), target->c_str()) != 0) return false;
  leaving.Removed(LeafName(*source));
  arriving.Added(LeafName(*target));
  return true;
}

bool DiskFileSystem::Remove(std::string_view path) {
  std::optional<ResolvedPath> real = resolver_->ResolveExisting(path);
  if (!real) return false;
  std::optional<struct stat> info = StatPath(real->path);
  if (!info || S_ISDIR(info->st_mode) || IsWriteProtected(*info)) return false;
  OwnFolderChange change(resolver_->Names(), FolderKey(real->path));
  if (unlink(real->path.c_str()) != 0) return false;
  change.Removed(LeafName(real->path));
  return true;
}

bool DiskFileSystem::Copy(std::string_view from, std::string_view to, bool fail_if_exists) {
  std::optional<ResolvedPath> found = resolver_->ResolveExisting(from);
  std::optional<std::string> target = resolver_->ResolveForCreate(to);
  if (!found || !target) return false;
  const std::string* source = &found->path;
  std::optional<struct stat> source_info = StatPath(*source);
  if (!IsRegular(source_info)) return false;
  std::optional<struct stat> target_info = StatPath(*target);
  if (target_info) {
    if (fail_if_exists || !S_ISREG(target_info->st_mode) || IsWriteProtected(*target_info) ||
        SameFile(*source_info, *target_info)) {
      return false;
    }
  }
  std::string bytes;
  if (ReadWholeFile(*source, bytes) != FileStatus::kOk) return false;
  FileAttributes attributes{source_info->st_mode & 07777, source_info->st_mtim};
  OwnFolderChange change(resolver_->Names(), FolderKey(*target));
  if (ReplaceFile(*target, bytes, attributes) != FileStatus::kOk) return false;
  NoteWritten(change, *target, target_info.has_value());
  return true;
}

bool DiskFileSystem::MakeFolder(std::string_view path) {
  PathParts parts = SplitPath(path);
  ResolvedPrefix prefix = resolver_->ResolvePrefix(parts);
  std::string current = prefix.path;
  for (size_t i = prefix.resolved; i < parts.names.size(); ++i) {
    current = JoinPath(current, parts.names[i]);
    if (mkdir(current.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  std::optional<struct stat> info = StatPath(current.empty() ? "." : current);
  return info && S_ISDIR(info->st_mode);
}

std::vector<FolderEntry> DiskFileSystem::ListFolder(std::string_view folder,
                                                    std::string_view mask) const {
  std::vector<FolderEntry> entries;
  std::optional<ResolvedPath> real = resolver_->ResolveExisting(folder);
  if (!real) return entries;
  std::error_code error;
  std::filesystem::directory_iterator it(real->path, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string name = it->path().filename().native();
    if (!MatchesMask(name, mask)) continue;
    std::error_code kind_error;
    entries.push_back({std::move(name), it->is_directory(kind_error)});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return SortsBefore(a.name, b.name);
  });
  return entries;
}

}  // namespace check_html
