#include "platform/disk_resolver.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

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

std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  std::optional<std::string> best;
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::string candidate = it->path().filename().native();
    if (EqualNoCase(candidate, name) && (!best || SortsBefore(candidate, *best))) {
      best = std::move(candidate);
    }
  }
  return best;
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
