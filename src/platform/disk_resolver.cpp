#include "platform/disk_resolver.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>

#include "platform/case_map.h"

namespace check_html {
namespace {

bool ExistsExactly(const std::string& path) {
  struct stat info;
  return stat(path.empty() ? "." : path.c_str(), &info) == 0;
}

bool IsFolderPath(const std::string& path) {
  struct stat info;
  return stat(path.empty() ? "." : path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string RootOf(const PathParts& parts) { return parts.absolute ? "/" : ""; }

}  // namespace

namespace {

// A folder's names by their case fold, kept while the folder's change times stay the same, so
// that a site with many links to missing files lists each folder once, not once per link.
// File times tick coarsely: a listing is trusted only when the folder had not changed for a
// second before it was made, so a change in the same tick cannot go unseen.
struct FolderNames {
  timespec modified{};
  timespec changed{};
  bool settled = false;
  std::unordered_map<std::string, std::string> by_fold;  // fold -> the name that wins
};

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

FolderNames ListFolderNames(const std::string& folder, const struct stat& info) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const time_t newest = std::max(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
  FolderNames names{info.st_mtim, info.st_ctim, now.tv_sec > newest + 1, {}};
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string candidate = it->path().filename().native();
    auto [slot, added] = names.by_fold.try_emplace(LowerCase(candidate), candidate);
    if (!added && SortsBefore(candidate, slot->second)) slot->second = std::move(candidate);
  }
  return names;
}

}  // namespace

std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name) {
  static std::mutex mutex;
  static std::unordered_map<std::string, FolderNames> cache;
  struct stat info;
  if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return std::nullopt;
  }
  std::lock_guard lock(mutex);
  FolderNames& names = cache[folder];
  if (!SameTime(names.modified, info.st_mtim) || !SameTime(names.changed, info.st_ctim) ||
      !names.settled) {
    names = ListFolderNames(folder, info);
  }
  auto found = names.by_fold.find(LowerCase(name));
  if (found == names.by_fold.end()) return std::nullopt;
  return found->second;
}

ResolvedPrefix ResolvePrefix(const PathParts& parts) {
  ResolvedPrefix prefix{RootOf(parts), 0};
  for (const std::string& name : parts.names) {
    std::string exact = JoinPath(prefix.path, name);
    if (ExistsExactly(exact)) {
      prefix.path = std::move(exact);
    } else if (std::optional<std::string> real = FindNoCase(prefix.path, name)) {
      prefix.path = JoinPath(prefix.path, *real);
    } else {
      break;
    }
    ++prefix.resolved;
  }
  return prefix;
}

std::optional<std::string> ResolveExisting(std::string_view path) {
  PathParts parts = SplitPath(path);
  if (parts.names.empty()) {
    if (parts.absolute) return std::string("/");
    return std::nullopt;
  }
  // Almost every path the program uses exists as written: try that before any listing.
  std::string exact = RootOf(parts);
  for (const std::string& name : parts.names) exact = JoinPath(exact, name);
  if (ExistsExactly(exact)) return exact;
  // Most misses name a file in a folder that exists as written: look the name up there.
  const std::string parent = exact.substr(0, exact.size() - parts.names.back().size() - 1);
  if (IsFolderPath(parent.empty() ? RootOf(parts) : parent)) {
    const std::string folder = parent.empty() ? RootOf(parts) : parent;
    std::optional<std::string> real = FindNoCase(folder, parts.names.back());
    if (!real) return std::nullopt;
    return JoinPath(folder, *real);
  }

  ResolvedPrefix prefix = ResolvePrefix(parts);
  if (prefix.resolved < parts.names.size()) return std::nullopt;
  return prefix.path;
}

std::optional<std::string> ResolveForCreate(std::string_view path) {
  PathParts parts = SplitPath(path);
  if (parts.names.empty()) return std::nullopt;
  std::string name = parts.names.back();
  parts.names.pop_back();
  ResolvedPrefix folder = ResolvePrefix(parts);
  if (folder.resolved < parts.names.size() || !IsFolderPath(folder.path)) return std::nullopt;
  if (ExistsExactly(JoinPath(folder.path, name))) return JoinPath(folder.path, name);
  if (std::optional<std::string> real = FindNoCase(folder.path, name)) {
    return JoinPath(folder.path, *real);
  }
  return JoinPath(folder.path, name);
}

std::string_view LeafName(std::string_view path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace check_html
