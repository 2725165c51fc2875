#include "platform/disk_resolver.h"

#include <memory>
#include <utility>
#include <vector>

namespace check_html {
namespace {

bool StatOf(const std::string& path, struct stat& info) {
  return stat(path.empty() ? "." : path.c_str(), &info) == 0;
}

std::string RootOf(const PathParts& parts) { return parts.absolute ? "/" : ""; }

}  // namespace

// One resolution name by name: how far it got, and what a folder reached so far depends on.
struct DiskResolver::Walk {
  explicit Walk(const PathParts& path_parts) : parts(path_parts), path(RootOf(parts)) {
    written = path;
    for (const std::string& name : parts.names) {
      if (!written.empty() && written.back() != '/') written += '/';
      written += name;
      ends.push_back(written.size());
    }
  }

  // Goes on from a known folder instead of the root.
  void StartAt(const PrefixMap::Known& known) {
    path = known.entry->real;
    resolved = start = known.names;
    checks = known.entry->checks;
    from_known = true;
  }

  void Restart() {
    path = RootOf(parts);
    resolved = start = 0;
    checks.clear();
    from_known = stale = false;
    known_missing.clear();
    keep = true;
    info.reset();
  }

  // The written prefix of `names` names.
  std::string_view Written(size_t names) const {
    return std::string_view(written).substr(0, names == 0 ? 0 : ends[names - 1]);
  }

  // Where the first `names` names lie when the known folder holds them as written.
  std::string PlaceOf(const PrefixMap::Known& known, size_t names) const {
    if (known.names == names) return known.entry->real;
    return known.entry->real +
           written.substr(ends[known.names - 1], ends[names - 1] - ends[known.names - 1]);
  }

  const PathParts& parts;
  std::string written;       // the names joined by "/" as given
  std::vector<size_t> ends;  // ends[i]: the length of the first i + 1 names in `written`
  std::string path;          // the real path of the names resolved so far
  size_t resolved = 0;
  size_t start = 0;          // the names of the known folder the walk began at
  bool from_known = false;
  std::string known_missing;  // a path already found not to exist: not looked at again
  bool stale = false;        // the known folder it began at is no folder any more
  bool keep = true;          // false once a fold two names share was taken: not remembered
  std::vector<PrefixMap::FoldCheck> checks;  // the folders of names found by their fold
  std::optional<struct stat> info;           // of `path`, when the last step made one
};

// The plain rule, name by name: the exact name when it exists, else the folder's name of that
// fold. Each folder stepped into is remembered once a name was found in it.
void DiskResolver::WalkOn(Walk& walk, size_t up_to) {
  while (walk.resolved < up_to) {
    const std::string& name = walk.parts.names[walk.resolved];
    const bool first = walk.resolved == walk.start;
    std::string exact = JoinPath(walk.path, name);
    struct stat info;
    if (exact != walk.known_missing && StatOf(exact, info)) {
      Remember(walk);
      walk.path = std::move(exact);
      walk.info = info;
    } else {
      NameLookup lookup = names_.FindNoCase(walk.path, name);
      if (!lookup.folder_exists && first && walk.from_known) {
        walk.stale = true;
        return;
      }
      if (lookup.folder_exists) Remember(walk);  // whether the name is in it or not
      if (!lookup.name) return;
      if (*lookup.name != name) {
        if (lookup.names_of_fold == 1) {
          walk.checks.push_back({walk.path, lookup.stamp});
        } else {
          walk.keep = false;
        }
      }
      walk.path = JoinPath(walk.path, *lookup.name);
      walk.info.reset();
    }
    ++walk.resolved;
  }
}

// Remembers the folder the walk stands in, when it depends on a name found by its fold.
void DiskResolver::Remember(Walk& walk) {
  if (!walk.keep || walk.checks.empty() || walk.resolved <= walk.start) return;
  prefixes_.Remember(walk.Written(walk.resolved),
                     std::make_shared<const PrefixMap::Entry>(
                         PrefixMap::Entry{walk.path, walk.checks}));
}

ResolvedPrefix DiskResolver::ResolvePrefix(const PathParts& parts) {
  Walk walk(parts);
  const size_t names = parts.names.size();
  if (!prefixes_.Empty()) {
    PrefixMap::Known known = prefixes_.Longest(walk.written, walk.ends, names);
    if (known.entry) {
      walk.StartAt(known);
      struct stat info;
      if (known.names < names) {
        WalkOn(walk, names);
      } else if (!StatOf(walk.path, info)) {
        walk.stale = true;
      }
      if (!walk.stale) return ResolvedPrefix{std::move(walk.path), walk.resolved};
      prefixes_.Forget(walk.Written(known.names), known.entry.get());
      walk.Restart();
    }
  }
  WalkOn(walk, names);
  return ResolvedPrefix{std::move(walk.path), walk.resolved};
}

std::optional<ResolvedPath> DiskResolver::ResolveExisting(std::string_view path) {
  const PathParts parts = SplitPath(path);
  const size_t names = parts.names.size();
  if (names == 0) {
    if (parts.absolute) return ResolvedPath{"/", std::nullopt};
    return std::nullopt;
  }
  Walk walk(parts);
  struct stat info;
  if (!prefixes_.Empty()) {
    // A valid known folder means the path does not exist as written: it is not tried.
    PrefixMap::Known known = prefixes_.Longest(walk.written, walk.ends, names);
    if (known.entry) {
      std::string place = walk.PlaceOf(known, names);
      if (StatOf(place, info)) return ResolvedPath{std::move(place), info};
      walk.StartAt(known);
      walk.known_missing = std::move(place);
      if (known.names < names) {
        WalkOn(walk, names);
      } else {
        walk.stale = true;
      }
      if (!walk.stale) {
        if (walk.resolved < names) return std::nullopt;
        return ResolvedPath{std::move(walk.path), walk.info};
      }
      prefixes_.Forget(walk.Written(known.names), known.entry.get());
      walk.Restart();
    }
  }
  // Almost every path the program uses exists as written: try that before any listing.
  if (StatOf(walk.written, info)) return ResolvedPath{walk.written, info};
  // Most misses name a file in a folder that exists as written: look the name up there.
  const std::string parent(walk.Written(names - 1).empty() ? RootOf(parts)
                                                           : std::string(walk.Written(names - 1)));
  NameLookup lookup = names_.FindNoCase(parent, parts.names.back());
  if (lookup.folder_exists) {
    if (!lookup.name) return std::nullopt;
    return ResolvedPath{JoinPath(parent, *lookup.name), std::nullopt};
  }
  WalkOn(walk, names);
  if (walk.resolved < names) return std::nullopt;
  return ResolvedPath{std::move(walk.path), walk.info};
}

std::optional<std::string> DiskResolver::ResolveForCreate(std::string_view path) {
  const PathParts parts = SplitPath(path);
  const size_t names = parts.names.size();
  if (names == 0) return std::nullopt;
  const std::string& name = parts.names.back();
  Walk walk(parts);
  struct stat info;
  PrefixMap::Known known;
  if (!prefixes_.Empty() && names > 1) {
    known = prefixes_.Longest(walk.written, walk.ends, names - 1);
    if (known.entry) {
      std::string place = walk.PlaceOf(known, names);
      if (StatOf(place, info)) return place;
      walk.StartAt(known);
      walk.known_missing = std::move(place);
      WalkOn(walk, names - 1);
      if (walk.stale) {
        prefixes_.Forget(walk.Written(known.names), known.entry.get());
        walk.Restart();
        known = {};
      }
    }
  }
  if (!walk.from_known) {
    // An existing target lies in an existing folder: one look instead of one per name.
    if (StatOf(walk.written, info)) return walk.written;
    const std::string folder(names == 1 ? RootOf(parts) : std::string(walk.Written(names - 1)));
    NameLookup lookup = names_.FindNoCase(folder, name);
    if (lookup.folder_exists) {
      return lookup.name ? JoinPath(folder, *lookup.name) : walk.written;
    }
    WalkOn(walk, names - 1);
  }
  if (walk.resolved < names - 1) return std::nullopt;
  std::string exact = JoinPath(walk.path, name);
  if (exact != walk.known_missing && StatOf(exact, info)) {
    Remember(walk);
    return exact;
  }
  NameLookup lookup = names_.FindNoCase(walk.path, name);
  if (!lookup.folder_exists) {
    if (walk.resolved == walk.start && known.entry) {
      // The known folder is gone: resolved again without it.
      prefixes_.Forget(walk.Written(known.names), known.entry.get());
      return ResolveForCreate(path);
    }
    return std::nullopt;
  }
  Remember(walk);
  return lookup.name ? JoinPath(walk.path, *lookup.name) : exact;
}

std::optional<std::string> DiskResolver::KnownPlace(std::string_view path) {
  if (prefixes_.Empty()) return std::nullopt;
  const PathParts parts = SplitPath(path);
  if (parts.names.empty()) return std::nullopt;
  Walk walk(parts);
  PrefixMap::Known known = prefixes_.Longest(walk.written, walk.ends, parts.names.size());
  if (!known.entry) return std::nullopt;
  return walk.PlaceOf(known, parts.names.size());
}

std::string_view LeafName(std::string_view path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace check_html
