#include "site/link_functions.h"

#include <algorithm>

#include "html/path_text.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

constexpr std::size_t kLinkCapacity = 255;

// Every path argument is taken in the tables' form first: "/" and lower case.
std::string BackToSlashCopy(std::string_view path) {
  std::string result(path);
  BackToSlash(result);
  return result;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool HasWebPrefix(std::string_view lower) {
  return StartsWith(lower, "http://") || StartsWith(lower, "https:/") ||
         StartsWith(lower, "mailto:");
}

// The external test of ResolveLink and NormalizeLink, on lower-case text.
bool IsExternalLong(std::string_view lower) {
  return (lower.size() >= 7 && HasWebPrefix(lower)) || StartsWith(lower, "javascript:");
}

// The 7-character external test of MayFollow and ReportLink, on lower-case text.
bool IsExternalShort(std::string_view lower) {
  return lower.size() >= 7 && (HasWebPrefix(lower) || StartsWith(lower, "javascr"));
}

void MakeHtmlEnding(std::string& path) {
  if (EndsWith(path, ".htm")) path.push_back('l');
}

// DropLastFolder on a folder already in "/" form.
void DropLastFolderSlashed(std::string& folder) {
  if (folder.size() >= 2) {
    const std::size_t slash = folder.rfind('/', folder.size() - 2);
    if (slash != std::string::npos) {
      folder.resize(slash + 1);
      return;
    }
  }
  folder.clear();
}

}  // namespace

std::string FolderOf(std::string_view path) {
  std::string folder = BackToSlashCopy(path);
  const std::size_t slash = folder.rfind('/');
  folder.resize(slash == std::string::npos ? 0 : slash + 1);
  return folder;
}

void DropLastFolder(std::string& folder) {
  folder = BackToSlashCopy(folder);
  DropLastFolderSlashed(folder);
}

// Reads the link backwards. State: 0 plain text, 1 after a "/", 2 after "./", 3 after "../"
// (one folder dropped). Characters seen in state 0 are kept; a "/" is kept only when a plain
// character precedes it, and in state 2 plain characters are dropped.
std::string ResolveLink(std::string_view folder_in, std::string_view link_in) {
  std::string folder = BackToSlashCopy(folder_in);
  const std::string link = BackToSlashCopy(link_in);
  if (IsExternalLong(link)) return link;

  std::string reversed_rel;
  int state = 0;
  for (std::size_t i = link.size(); i > 0 && !folder.empty(); --i) {
    const char c = link[i - 1];
    if (c == '.') {
      if (state == 1) {
        state = 2;
      } else if (state == 2) {
        state = 3;
        DropLastFolderSlashed(folder);
      } else {
        state = 0;
      }
    } else if (c == '/') {
      state = 1;
    } else if (state == 1) {
      reversed_rel.push_back('/');
      state = 0;
    }
    if (state == 0) {
      reversed_rel.push_back(c);
    } else if (state > 2) {
      state = 0;
    }
  }
  return folder + std::string(reversed_rel.rbegin(), reversed_rel.rend());
}

namespace {

// A character in the tables' form: "/" for "\", lower case.
char TableChar(char c) { return c == '\\' ? '/' : ToLower1252(c); }

}  // namespace

std::string ResolveSiteLink(std::string_view folder, std::string_view site_root,
                            std::string_view link) {
  const bool root_relative = link.starts_with('/') && !link.starts_with("//");
  if (site_root.empty() || !root_relative) return ResolveLink(folder, link);
  return ResolveLink(site_root, link.substr(1));
}

std::string RelativeFrom(std::string_view page, std::string_view target) {
  // Compared and copied in the tables' form. 0-based: `start` is where the relative part
  // begins. The last character of the target is never taken as the end of the common part.
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < target.size(); ++i) {
    if (i >= page.size() || TableChar(target[i]) != TableChar(page[i])) break;
    if (TableChar(target[i]) == '/') start = i + 1;
  }
  std::string rel;
  for (std::size_t i = start; i < page.size(); ++i) {
    if (TableChar(page[i]) == '/') rel += "../";
  }
  rel.reserve(rel.size() + target.size() - std::min(start, target.size()));
  for (std::size_t i = start; i < target.size(); ++i) rel += TableChar(target[i]);
  return rel;
}

std::string RelativePath(std::string_view target, std::string_view base) {
  std::string rel = RelativeFrom(base, target);
  MakeHtmlEnding(rel);
  return rel;
}

// Called for every reference of the list pages: the external test needs only the first
// seven characters in lower case.
std::string ReportLink(std::string_view path, std::string_view save_dir) {
  if (IsExternalShort(LowerCase(path.substr(0, 7)))) return LowerCase(path);
  std::string link = "../";
  link += RelativePath(path, save_dir);
  return link;
}

bool MayFollow(std::string_view path_in, std::string_view save_dir, bool look_for_subpath) {
  const std::string path = BackToSlashCopy(path_in);
  if (!look_for_subpath || path.size() < 7) return true;
  if (IsExternalShort(path)) return false;
  const std::string rel = RelativePath(path, save_dir);
  return !(StartsWith(rel, "../") || StartsWith(rel, "metamod/i") || StartsWith(rel, "check"));
}

std::string NormalizeLink(std::string_view link_in) {
  const std::string_view link = link_in.substr(0, kLinkCapacity);
  if (IsExternalLong(LowerCase(link.substr(0, 11)))) return std::string(link);

  // A "#" that is the last character is part of the path.
  const std::size_t hash = link.size() < 2 ? std::string_view::npos
                                           : link.substr(0, link.size() - 1).find('#');
  std::string result = LowerCase(link.substr(0, hash));
  MakeHtmlEnding(result);
  if (hash != std::string_view::npos) result.append(link.substr(hash));
  result.resize(std::min(result.size(), kLinkCapacity));
  return result;
}

}  // namespace check_html

