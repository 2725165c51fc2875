// The names of a folder by their case fold, cached so that a site with many links to missing
// files lists each folder once, not once per link. A listing is used while the folder's change
// times stay as they were; the program's own changes (writes, renames, deletes through
// DiskFileSystem) are noted in the listing instead of dropping it, so a rewrite that changes
// every folder does not list a folder again for every page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace check_html {

// The real name in `folder` that equals `name` ignoring case, if any. Of several such names the
// exact one is not chosen here (callers try it first); the one that sorts first wins.
std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name);

// The folder of a resolved path, in the form FindNoCase is given it ("" = current, "/" = root).
std::string FolderKey(const std::string& resolved_path);

// One change of a folder by this program. Made before the change: remembers whether the cached
// listing was current then. Added/Removed are called after the change succeeded; the listing is
// then brought up to date with the folder's new times. What can go unseen is another
// program's change in the same clock tick of the file times (a few milliseconds) as one of
// ours; names under their exact spelling are always found, as callers try those first.
class OwnFolderChange {
 public:
  explicit OwnFolderChange(std::string folder);
  ~OwnFolderChange();
  OwnFolderChange(const OwnFolderChange&) = delete;
  OwnFolderChange& operator=(const OwnFolderChange&) = delete;

  void Added(std::string_view name);    // a name that did not exist before
  void Removed(std::string_view name);  // a name that existed before
  void Replaced();                      // a file written again under its own name

 private:
  std::string folder_;
  bool was_current_ = false;
  bool changed_ = false;
  bool lost_track_ = false;
};

}  // namespace check_html
