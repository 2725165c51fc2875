// A FileSystem that changes nothing below it: every read sees the base file system plus the
// overlay's own earlier writes, and every write, rename, copy, delete and new folder stays in
// memory. A dry run works on it and afterwards asks for its Changes() to show what a real run
// would have done. Renames and copies of untouched base files keep only the base name, not
// the bytes, so moving every page to its ".bak" name costs no memory.
//
// Names follow the base's rules: "\" and "/" alike, letter case resolved by the base for its
// own files and by fold for the overlay's (names differing only in letter case count as one).
// The base is only read; several threads may read at once while nothing is being changed.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace check_html {

// One path the overlay changed, as it stands at the end.
struct OverlayChange {
  enum class Kind {
    kWritten,   // holds `bytes`
    kFromBase,  // holds the bytes of the base file `source` (a rename or a copy of it)
    kRemoved,   // no longer exists
  };
  std::string path;  // the stored name, "/" separators
  Kind kind = Kind::kWritten;
  std::shared_ptr<const std::string> bytes;
  std::string source;
  bool in_base = false;  // a file of the base lay at `path` before
};

class OverlayFileSystem : public FileSystem {
 public:
  explicit OverlayFileSystem(const FileSystem& base) : base_(base) {}

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

  const FileSystem& Base() const { return base_; }
  // Every path touched, in the order of their folded names. A file made and removed again
  // within the overlay is not listed; a base file written back unchanged is.
  std::vector<OverlayChange> Changes() const;

 private:
  using Entry = OverlayChange;
  // Keys: the folded folder, a NUL, the folded name, so a folder's entries lie side by side.
  static std::string KeyOf(std::string_view path);
  static std::string ChildKeyPrefix(std::string_view folder);

  const Entry* Find(const std::string& key) const;
  bool OverlayFolder(const std::string& key) const;
  bool ExistsLocked(std::string_view path, const std::string& key) const;
  bool IsFolderLocked(std::string_view path, const std::string& key) const;
  // A file of the base at `path` that the overlay has not touched.
  bool UntouchedBaseFile(std::string_view path, const std::string& key) const;
  // The stored name of a folder of the base or the overlay; empty when there is none.
  std::optional<std::string> FolderName(const std::string& folder) const;
  // The stored name a new file at `path` gets; empty when its folder does not exist.
  std::optional<std::string> NameForNew(std::string_view path) const;
  // The stored name of a file of the base.
  std::string StoredBaseName(std::string_view path) const;
  // False when the file the entry (or the untouched base file) stands for is write-protected.
  bool Writable(const Entry* entry, std::string_view path) const;
  // The entry's content moved or copied elsewhere; for an untouched base file, a reference.
  Entry ContentOf(const Entry* entry, std::string_view path) const;
  void Store(const std::string& key, Entry content, const std::string& name, bool in_base);
  void MarkRemoved(const std::string& key, Entry* entry, std::string_view path);

  const FileSystem& base_;
  mutable std::shared_mutex mutex_;
  std::map<std::string, Entry> entries_;
  std::map<std::string, std::string> folders_;  // made in the overlay: key -> stored name
};

}  // namespace check_html
