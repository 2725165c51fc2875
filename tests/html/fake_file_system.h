// A tiny in-memory FileSystem for the html tests: files by exact path, with a read-only flag and
// a forced failure, so tests can check every status the reader and writer turn into errors.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace check_html {

class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string, std::less<>> files;
  std::set<std::string, std::less<>> read_only;
  std::set<std::string, std::less<>> failing;  // opened, but reading or writing fails

  bool Exists(std::string_view path) const override { return files.contains(path); }
  bool IsFolder(std::string_view) const override { return false; }

  FileStatus ReadFile(std::string_view path, std::string& bytes, bool need_write) const override {
    const auto found = files.find(path);
    if (found == files.end() || (need_write && read_only.contains(path))) {
      return FileStatus::kCannotOpen;
    }
    if (failing.contains(path)) return FileStatus::kIoError;
    bytes = found->second;
    return FileStatus::kOk;
  }

  FileStatus WriteFile(std::string_view path, std::string_view bytes) override {
    if (read_only.contains(path)) return FileStatus::kCannotOpen;
    if (failing.contains(path)) return FileStatus::kIoError;
    files[std::string(path)] = std::string(bytes);
    return FileStatus::kOk;
  }

  bool Rename(std::string_view, std::string_view) override { return false; }
  bool Remove(std::string_view) override { return false; }
  bool Copy(std::string_view, std::string_view, bool) override { return false; }
  bool MakeFolder(std::string_view) override { return false; }
  std::vector<FolderEntry> ListFolder(std::string_view, std::string_view) const override {
    return {};
  }
};

}  // namespace check_html
