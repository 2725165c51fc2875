#include "platform/disk_resolver.h"

#include <sys/stat.h>

#include "platform/folder_names.h"

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
  // Almost always the folder exists as written: one look instead of one per name.
  std::string folder = RootOf(parts);
  for (const std::string& part : parts.names) folder = JoinPath(folder, part);
  if (!IsFolderPath(folder)) {
    ResolvedPrefix prefix = ResolvePrefix(parts);
    if (prefix.resolved < parts.names.size() || !IsFolderPath(prefix.path)) return std::nullopt;
    folder = std::move(prefix.path);
  }
  std::string exact = JoinPath(folder, name);
  if (ExistsExactly(exact)) return exact;
  if (std::optional<std::string> real = FindNoCase(folder, name)) return JoinPath(folder, *real);
  return exact;
}

std::string_view LeafName(std::string_view path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace check_html
