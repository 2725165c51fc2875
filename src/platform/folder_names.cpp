#include "platform/folder_names.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/case_map.h"
#include "platform/path_parts.h"

namespace check_html {
namespace {

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

}  // namespace

FolderStamp FolderStamp::Of(const struct stat& info) {
  FolderStamp stamp;
  stamp.modified = info.st_mtim;
  stamp.changed = info.st_ctim;
  const time_t newest = std::max(info.st_mtim.tv_sec, info.st_ctim.tv_sec);
  stamp.recheck_at = Now() <= newest + 1 ? newest + 2 : 0;
  return stamp;
}

bool FolderStamp::Holds(const struct stat& info) const {
  return SameTime(modified, info.st_mtim) && SameTime(changed, info.st_ctim) &&
         (recheck_at == 0 || Now() < recheck_at);
}

FolderNames::Listing FolderNames::List(const std::string& folder, const struct stat& info) {
  Listing listing;
  listing.listed = true;
  listing.stamp = FolderStamp::Of(info);
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string candidate = it->path().filename().native();
    FoldEntry& entry = listing.by_fold[LowerCase(candidate)];
    if (entry.count++ == 0 || SortsBefore(candidate, entry.winner)) {
      entry.winner = std::move(candidate);
    }
  }
  return listing;
}

bool FolderNames::IsCurrent(const Listing& listing, const struct stat& info) {
  return listing.listed && listing.stamp.Holds(info);
}

NameLookup FolderNames::FindNoCase(const std::string& folder, std::string_view name) {
  NameLookup lookup;
  struct stat info;
  if (!StatFolder(folder, info)) return lookup;
  lookup.folder_exists = true;
  const std::string fold = LowerCase(name);
  std::lock_guard lock(mutex_);
  Listing& listing = listings_[folder];
  if (!IsCurrent(listing, info)) listing = List(folder, info);
  lookup.stamp = listing.stamp;
  auto found = listing.by_fold.find(fold);
  if (found != listing.by_fold.end()) {
    lookup.name = found->second.winner;
    lookup.names_of_fold = found->second.count;
  }
  return lookup;
}

std::string FolderKey(const std::string& resolved_path) {
  const size_t slash = resolved_path.find_last_of('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return resolved_path.substr(0, slash);
}

OwnFolderChange::OwnFolderChange(FolderNames& names, std::string folder)
    : names_(names), folder_(std::move(folder)) {
  struct stat info;
  if (!StatFolder(folder_, info)) return;
  std::lock_guard lock(names_.mutex_);
  auto found = names_.listings_.find(folder_);
  was_current_ = found != names_.listings_.end() && FolderNames::IsCurrent(found->second, info);
}

void OwnFolderChange::Added(std::string_view name) {
  if (!was_current_) return;
  std::lock_guard lock(names_.mutex_);
  FolderNames::FoldEntry& entry = names_.listings_[folder_].by_fold[LowerCase(name)];
  // A second name of the same fold: which one wins is left to a fresh listing.
  if (entry.count++ != 0) lost_track_ = true;
  entry.winner = std::string(name);
  changed_ = true;
}

void OwnFolderChange::Removed(std::string_view name) {
  if (!was_current_) return;
  std::lock_guard lock(names_.mutex_);
  auto& by_fold = names_.listings_[folder_].by_fold;
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
  std::lock_guard lock(names_.mutex_);
  FolderNames::Listing& listing = names_.listings_[folder_];
  if (lost_track_ || !exists) {
    listing.listed = false;
    return;
  }
  listing.stamp = FolderStamp::Of(info);
}

}  // namespace check_html
