#include "platform/folder_names.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>

#include "platform/case_map.h"
#include "platform/path_parts.h"

namespace check_html {
namespace {

struct FoldEntry {
  std::string winner;  // the name that sorts first
  size_t count = 0;    // how many names share the fold
};

// File times tick coarsely (up to a second or two on some file systems), so a change by
// another program in the same tick as the folder's last change leaves the times as they were.
// A listing made, or a change of our own noted, within that time of the folder's last change is
// therefore made again at the first lookup after the folder has been quiet for two seconds.
struct FolderNames {
  bool listed = false;
  timespec modified{};
  timespec changed{};
  time_t recheck_at = 0;  // 0: nothing to recheck
  std::unordered_map<std::string, FoldEntry> by_fold;
};

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

time_t Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME_COARSE, &now);
  return now.tv_sec;
}

bool StatFolder(const std::string& folder, struct stat& info) {
  return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void TakeTimes(FolderNames& names, const struct stat& info) {
  names.modified = info.st_mtim;
  names.changed = info.st_ctim;
  const time_t newest = std::max(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
  names.recheck_at = Now() <= newest + 1 ? newest + 2 : 0;
}

FolderNames ListFolderNames(const std::string& folder, const struct stat& info) {
  FolderNames names;
  names.listed = true;
  TakeTimes(names, info);
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string candidate = it->path().filename().native();
    FoldEntry& entry = names.by_fold[LowerCase(candidate)];
    if (entry.count++ == 0 || SortsBefore(candidate, entry.winner)) {
      entry.winner = std::move(candidate);
    }
  }
  return names;
}

bool IsCurrent(const FolderNames& names, const struct stat& info) {
  return names.listed && SameTime(names.modified, info.st_mtim) &&
         SameTime(names.changed, info.st_ctim) &&
         (names.recheck_at == 0 || Now() < names.recheck_at);
}

std::mutex cache_mutex;
std::unordered_map<std::string, FolderNames> cache;

}  // namespace

std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name) {
  struct stat info;
  if (!StatFolder(folder, info)) return std::nullopt;
  std::lock_guard lock(cache_mutex);
  FolderNames& names = cache[folder];
  if (!IsCurrent(names, info)) names = ListFolderNames(folder, info);
  auto found = names.by_fold.find(LowerCase(name));
  if (found == names.by_fold.end()) return std::nullopt;
  return found->second.winner;
}

std::string FolderKey(const std::string& resolved_path) {
  const size_t slash = resolved_path.find_last_of('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return resolved_path.substr(0, slash);
}

OwnFolderChange::OwnFolderChange(std::string folder) : folder_(std::move(folder)) {
  struct stat info;
  if (!StatFolder(folder_, info)) return;
  std::lock_guard lock(cache_mutex);
  auto found = cache.find(folder_);
  was_current_ = found != cache.end() && IsCurrent(found->second, info);
}

void OwnFolderChange::Added(std::string_view name) {
  if (!was_current_) return;
  std::lock_guard lock(cache_mutex);
  FoldEntry& entry = cache[folder_].by_fold[LowerCase(name)];
  // A second name of the same fold: which one wins is left to a fresh listing.
  if (entry.count++ != 0) lost_track_ = true;
  entry.winner = std::string(name);
  changed_ = true;
}

void OwnFolderChange::Removed(std::string_view name) {
  if (!was_current_) return;
  std::lock_guard lock(cache_mutex);
  auto& by_fold = cache[folder_].by_fold;
  auto found = by_fold.find(LowerCase(name));
  if (found == by_fold.end() || found->second.count != 1) {
    lost_track_ = true;
  } else {
    by_fold.erase(found);
  }
  changed_ = true;
}

void OwnFolderChange::Replaced() { changed_ = was_current_; }

OwnFolderChange::~OwnFolderChange() {
  if (!changed_) return;
  struct stat info;
  const bool exists = StatFolder(folder_, info);
  std::lock_guard lock(cache_mutex);
  FolderNames& names = cache[folder_];
  if (lost_track_ || !exists) {
    names.listed = false;
    return;
  }
  TakeTimes(names, info);
}

}  // namespace check_html
