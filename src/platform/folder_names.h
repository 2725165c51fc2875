// The names of a folder by their case fold, cached so that a site with many links to missing
// files lists each folder once, not once per link. A listing is used while the folder's change
// times stay as they were; the program's own changes (writes, renames, deletes through
// DiskFileSystem) are noted in the listing instead of dropping it, so a rewrite that changes
// every folder does not list a folder again for every page. Each DiskFileSystem keeps its own
// listings: nothing here is global.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace check_html {

// The state of a folder that a listing (or anything read from it) stays valid for: its change
// times, and when a listing made within a clock tick of the folder's last change is to be made
// again (file times tick coarsely, so a change by another program in the same tick leaves the
// times as they were).
struct FolderStamp {
  timespec modified{};
  timespec changed{};
  time_t recheck_at = 0;  // 0: nothing to recheck

  // The stamp of a folder stat()ed just now.
  static FolderStamp Of(const struct stat& info);
  // True while the folder, stat()ed just now as `info`, is still in this state.
  bool Holds(const struct stat& info) const;
};

// What FindNoCase found in a folder.
struct NameLookup {
  bool folder_exists = false;
  std::optional<std::string> name;  // the real name of the fold, if any
  size_t names_of_fold = 0;         // how many names share the fold (0 when none)
  FolderStamp stamp;                // the state of the folder the answer holds for
};

class FolderNames {
 public:
  // The real name in `folder` that equals `name` ignoring case, if any. Of several such names
  // the exact one is not chosen here (callers try it first); the one that sorts first wins.
  NameLookup FindNoCase(const std::string& folder, std::string_view name);

 private:
  friend class OwnFolderChange;

  struct FoldEntry {
    std::string winner;  // the name that sorts first
    size_t count = 0;    // how many names share the fold
  };
  // A listing made, or a change of our own noted, within a clock tick of the folder's last
  // change is made again at the first lookup after the folder has been quiet for two seconds.
  struct Listing {
    bool listed = false;
    FolderStamp stamp;
    std::unordered_map<std::string, FoldEntry> by_fold;
  };

  static Listing List(const std::string& folder, const struct stat& info);
  static bool IsCurrent(const Listing& listing, const struct stat& info);

  std::mutex mutex_;
  std::unordered_map<std::string, Listing> listings_;
};

// The folder of a resolved path, in the form FindNoCase is given it ("" = current, "/" = root).
std::string FolderKey(const std::string& resolved_path);

// One change of a folder by this program. Made before the change: remembers whether the cached
// listing was current then. Added/Removed are called after the change succeeded; the listing is
// then brought up to date with the folder's new times. What can go unseen is another
// program's change in the same clock tick of the file times (a few milliseconds) as one of
// ours; names under their exact spelling are always found, as callers try those first.
class OwnFolderChange {
 public:
  OwnFolderChange(FolderNames& names, std::string folder);
  ~OwnFolderChange();
  OwnFolderChange(const OwnFolderChange&) = delete;
  OwnFolderChange& operator=(const OwnFolderChange&) = delete;

  void Added(std::string_view name);    // a name that did not exist before
  void Removed(std::string_view name);  // a name that existed before
  void Replaced();                      // a file written again under its own name

 private:
  FolderNames& names_;
  std::string folder_;
  bool was_current_ = false;
  bool changed_ = false;
  bool lost_track_ = false;
};

}  // namespace check_html
