// Case-insensitive path resolution on the real disk, as the site's Windows authors expect:
// when the exact name does not exist, each name is looked up in its folder by its
// Windows-1252 fold. Of several names that differ only in case, the exact one wins, else the
// one that sorts first by upper-case name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/path_parts.h"

namespace check_html {

// How far a path exists on disk.
struct ResolvedPrefix {
  std::string path;     // the real names of the existing part ("" = current folder)
  size_t resolved = 0;  // how many of the names exist; == names.size() when all do
};

ResolvedPrefix ResolvePrefix(const PathParts& parts);

// The real path of an existing file or folder.
std::optional<std::string> ResolveExisting(std::string_view path);

// Where a file of this name is to be created or replaced: an existing file of the name in any
// letter case keeps its name, otherwise the given name inside the existing folder. Empty when
// the folder does not exist.
std::optional<std::string> ResolveForCreate(std::string_view path);

// The final name of `path` (after the last "/" or "\").
std::string_view LeafName(std::string_view path);

}  // namespace check_html
