// An in-memory FileSystem for unit tests. Paths follow the disk's rules: "\" and "/" alike,
// names compared by their Windows-1252 fold, a file keeps the name it was first created with,
// and a new file inside an existing folder takes that folder's letter case. Folders exist when
// made or when a file lies in them; the root ("" or "/") always exists. Writing needs an
// existing folder, as on disk. Renaming works on files only.
//
// Every successful change is logged as one line, so tests can assert on side effects:
// "write a/b.htm", "rename a/b.htm -> a/b.bak", "remove a/b.bak", "copy a -> b",
// "make folder a/c", each with the stored names.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace check_html {

class MemoryFileSystem : public FileSystem {
 public:
  bool Exists(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  std::optional<std::string> NativePath(std::string_view path) const override;
  FileStatus ReadFile(std::string_view path, std::string& bytes,
                      bool need_write = false) const override;
  FileStatus WriteFile(std::string_view path, std::string_view bytes) override;
  bool Rename(std::string_view from, std::string_view to) override;
  bool Remove(std::string_view path) override;
  bool Copy(std::string_view from, std::string_view to, bool fail_if_exists) override;
  bool MakeFolder(std::string_view path) override;
  std::vector<FolderEntry> ListFolder(std::string_view folder,
                                      std::string_view mask) const override;

  // Set-up for tests, not logged. AddFile creates the folders on the way.
  void AddFile(std::string_view path, std::string_view bytes);
  void AddFolder(std::string_view path);
  // A write-protected file reads, but cannot be opened for writing, replaced or removed.
  void SetReadOnly(std::string_view path, bool read_only = true);
  // Reading or replacing the file then fails with kIoError.
  void SetIoError(std::string_view path, bool fails = true);

  std::optional<std::string> Contents(std::string_view path) const;
  // The stored names of all files, in listing order.
  std::vector<std::string> Files() const;
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  struct File {
    std::string name;  // the whole path as stored
    std::string bytes;
    bool read_only = false;
    bool io_error = false;
  };

  File* FindFile(std::string_view path);
  const File* FindFile(std::string_view path) const;
  // The stored form of a new path: the existing folder's name plus the given final name.
  // Empty when the folder does not exist.
  std::optional<std::string> NameForCreate(std::string_view path) const;
  bool FolderExists(const std::string& key) const;
  void StoreFile(const std::string& name, File file);

  std::map<std::string, File> files_;          // by folded path
  std::map<std::string, std::string> folders_;  // folded path -> stored name
  std::vector<std::string> log_;
};

}  // namespace check_html
