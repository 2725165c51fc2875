// The real disk behind the FileSystem interface. Every OS call of the program's file handling
// lives here and in disk_resolver / disk_io. Windows rules are kept where the site relies on
// them: a write-protected file (no write bit in its mode, whoever runs the program) can be read
// but not opened for writing, replaced or deleted; a copy keeps the source's mode and time.
#pragma once

#include <memory>

#include "platform/file_system.h"

namespace check_html {

class TempFilesAhead;

class DiskFileSystem : public FileSystem {
 public:
  DiskFileSystem();
  ~DiskFileSystem() override;
  bool Exists(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  std::optional<std::string> NativePath(std::string_view path) const override;
  std::string FileIdentity(std::string_view path) const override;
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

 private:
  std::unique_ptr<TempFilesAhead> ahead_;
};

}  // namespace check_html
