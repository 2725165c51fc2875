// The real disk behind the FileSystem interface, in two halves: Linux (disk_file_system_posix,
// with disk_resolver, disk_io and folder_names, which resolve letter case themselves) and
// Windows (disk_file_system_win32, the wide-character API, names in Windows-1252). Windows rules
// hold on both: a write-protected file (read-only attribute; on Linux no write bit in its mode,
// whoever runs the program) can be read but not opened for writing, replaced or deleted; a copy
// keeps the source's protection and time.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace check_html {

class DiskResolver;
class TempFilesAhead;

class DiskFileSystem : public FileSystem {
 public:
  DiskFileSystem();
  ~DiskFileSystem() override;
  bool Exists(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  std::optional<std::string> NativePath(std::string_view path) const override;
  std::string FileIdentity(std::string_view path) const override;
  std::optional<FoundFile> Find(std::string_view path) const override;
  FileStatus ReadFile(std::string_view path, std::string& bytes,
                      bool need_write = false) const override;
  FileStatus WriteFile(std::string_view path, std::string_view bytes) override;
  bool Rename(std::string_view from, std::string_view to) override;
  bool Remove(std::string_view path) override;
  bool Copy(std::string_view from, std::string_view to, bool fail_if_exists) override;
  bool MakeFolder(std::string_view path) override;
  std::vector<FolderEntry> ListFolder(std::string_view folder,
                                      std::string_view mask) const override;
  void ExpectWrites(std::vector<std::string> paths) override;

  // Where a folder listing reports a name it skips (one "!!!" line each): on Windows a name
  // that Windows-1252 cannot hold, which no page could name. Linux names are bytes: none.
  void SetNameReport(std::function<void(const std::string&)> report) {
    name_report_ = std::move(report);
  }

 private:
  // Linux: the letter case resolved by the program, with the folder listings and the known
  // folders of this file system (none on Windows, which resolves case itself).
  std::unique_ptr<DiskResolver> resolver_;
  std::unique_ptr<TempFilesAhead> ahead_;
  std::function<void(const std::string&)> name_report_;
};

}  // namespace check_html
