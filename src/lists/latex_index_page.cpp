#include "lists/latex_index_page.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr std::string_view kLiPart = "li";
constexpr std::string_view kPageExtension = ".html";

bool IsIndexPageFile(const FileSystem& files, const std::string& path) {
  std::string bytes;
  return files.ReadFile(path, bytes) == FileStatus::kOk && IsIndexPage(bytes);
}

// The number N of a listed B + "li" + N + ".html" name, digits only; nothing for other names.
std::optional<std::string> LiNumber(std::string_view name, std::string_view base_name) {
  const std::size_t prefix = base_name.size() + kLiPart.size();
  if (name.size() <= prefix + kPageExtension.size()) return std::nullopt;
  if (!StartsWithNoCase(name, std::string(base_name) + std::string(kLiPart))) return std::nullopt;
  if (!EqualNoCase(name.substr(name.size() - kPageExtension.size()), kPageExtension)) {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(prefix, name.size() - prefix - kPageExtension.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return std::string(digits);
}

// The other B + "li" + N + ".html" pages, by N ascending.
std::vector<std::string> OtherLiPages(const FileSystem& files, const std::string& base,
                                      const std::string& target) {
  const std::size_t slash = base.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "" : base.substr(0, slash + 1);
  const std::string base_name = base.substr(folder.size());
  std::vector<std::pair<std::string, std::string>> pages;  // (N, path)
  for (const FolderEntry& entry :
       files.ListFolder(folder, base_name + std::string(kLiPart) + "*.html")) {
    const std::optional<std::string> number = LiNumber(entry.name, base_name);
    const std::string path = folder + entry.name;
    if (entry.is_folder || !number || EqualNoCase(path, target)) continue;
    pages.emplace_back(*number, path);
  }
  std::sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) {
    if (a.first.size() != b.first.size()) return a.first.size() < b.first.size();
    return a.first < b.first;
  });
  std::vector<std::string> paths;
  for (auto& page : pages) paths.push_back(std::move(page.second));
  return paths;
}

}  // namespace

std::string LatexIndexTarget(const std::string& base) {
  return base + std::string(kLiPart) + "2" + std::string(kPageExtension);
}

bool IsIndexPage(std::string_view page) {
  const std::string lower = LowerCase(page);
  return lower.find("\"theindex\"") != std::string::npos ||
         lower.find("\"index-item\"") != std::string::npos;
}

IndexPagePlace FindIndexPage(const FileSystem& files, const std::string& base) {
  const std::string target = LatexIndexTarget(base);
  if (IsIndexPageFile(files, target)) return {target, false};
  for (const std::string& page : OtherLiPages(files, base, target)) {
    if (IsIndexPageFile(files, page)) return {page, true};
  }
  if (!files.Exists(target)) return {target, false};
  return {};
}

void PutIndexPageInPlace(RunContext& run, const std::string& work, const std::string& target,
                         const IndexPagePlace& place) {
  if (place.path.empty()) {
    run.LogLine("!!!" + target + " is no index page; the LaTeX index stays in " + work);
    return;
  }
  if (place.moved) run.LogLine("+++LaTeX index page is " + place.path);
  if (run.Files().Exists(place.path)) DeleteFile(run.Files(), place.path);
  RenameFile(run.Files(), work, place.path);
}

}  // namespace check_html
