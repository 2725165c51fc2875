// Case-insensitive path resolution on the real disk, as the site's Windows authors expect:
// when the exact name does not exist, each name is looked up in its folder by its
// Windows-1252 fold. Of several names that differ only in case, the exact one wins, else the
// one that sorts first by upper-case name.
//
// That rule is applied name by name ("the plain resolution"); the resolver gives the same
// answers faster by remembering the folders it resolved (prefix_map.h): a path then resolves
// from its longest known folder with one stat() of the path and one per folder in which a name
// had to be found by its fold. A path that exists as written costs one stat() as before.
// One resolver belongs to one DiskFileSystem; it is safe to use from several threads.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/folder_names.h"
#include "platform/path_parts.h"
#include "platform/prefix_map.h"

namespace check_html {

// How far a path exists on disk.
struct ResolvedPrefix {
  std::string path;     // the real names of the existing part ("" = current folder)
  size_t resolved = 0;  // how many of the names exist; == names.size() when all do
};

// An existing file or folder.
struct ResolvedPath {
  std::string path;                 // its real path
  std::optional<struct stat> info;  // its stat() when the resolution made one
};

class DiskResolver {
 public:
  ResolvedPrefix ResolvePrefix(const PathParts& parts);

  // The real path of an existing file or folder.
  std::optional<ResolvedPath> ResolveExisting(std::string_view path);

  // Where a file of this name is to be created or replaced: an existing file of the name in any
  // letter case keeps its name, otherwise the given name inside the existing folder. Empty when
  // the folder does not exist.
  std::optional<std::string> ResolveForCreate(std::string_view path);

  // Where the path lies when its longest known folder (checked) holds it, without looking
  // whether it does: a first place to open before resolving. Empty when no folder of the path
  // is known; then the path as written is that place.
  std::optional<std::string> KnownPlace(std::string_view path);

  // The listings that the program's own changes of a folder are noted in (OwnFolderChange).
  FolderNames& Names() { return names_; }

 private:
  struct Walk;

  // Resolves names [walk.resolved, up_to) of `walk.parts` name by name from walk.path.
  void WalkOn(Walk& walk, size_t up_to);
  void Remember(Walk& walk);

  FolderNames names_;
  PrefixMap prefixes_;
};

// The final name of `path` (after the last "/" or "\").
std::string_view LeafName(std::string_view path);

}  // namespace check_html
