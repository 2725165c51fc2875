// The only route from the program to its files. Paths may use "\" or "/" and any letter case:
// when the exact name does not exist, it is resolved case-insensitively component by component
// (Windows-1252 case mapping), as the site's Windows authors expect. A path that names a folder
// counts as found. DiskFileSystem works on the real disk, MemoryFileSystem is the fake for tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check_html {

enum class FileStatus {
  kOk,
  kCannotOpen,  // missing, a folder, or not openable as asked (for example write-protected)
  kIoError,     // opened, but reading or writing failed
};

// What one look-up of a path found.
struct FoundFile {
  std::string path;      // where to read it: the path with its letter case resolved as needed
  std::string identity;  // as FileIdentity gives it
  bool is_folder = false;
};

struct FolderEntry {
  std::string name;  // the name as stored, without folder
  bool is_folder = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Find-first semantics: true when a file or a folder of this name exists.
  virtual bool Exists(std::string_view path) const = 0;
  virtual bool IsFolder(std::string_view path) const = 0;
  // The name an outside program is handed for this path: an existing file or folder by its
  // stored name (its letter case resolved), else the given final name inside the existing
  // folder. Empty when the folder does not exist.
  virtual std::optional<std::string> NativePath(std::string_view path) const = 0;
  // The same text for every path that reaches the same file, through other letter case or
  // symbolic links; the path itself when nothing is found. A folder linking to itself makes
  // ever longer paths to the same pages, and each page must still be handled once.
  virtual std::string FileIdentity(std::string_view path) const {
    return NativePath(path).value_or(std::string(path));
  }

  // Exists, IsFolder and FileIdentity in one look-up, and a path that ReadFile opens without
  // resolving it again: for a caller that would otherwise ask all of them in turn. Empty when
  // nothing of this name exists.
  virtual std::optional<FoundFile> Find(std::string_view path) const {
    if (!Exists(path)) return std::nullopt;
    return FoundFile{NativePath(path).value_or(std::string(path)), FileIdentity(path),
                     IsFolder(path)};
  }

  // Reads the whole file into `bytes`. With `need_write` the file must also be writable, as a
  // page opened for reading and writing must be. An empty file reads as empty.
  virtual FileStatus ReadFile(std::string_view path, std::string& bytes,
                              bool need_write = false) const = 0;

  // Replaces or creates the file atomically: a temporary file whose name begins with "." is
  // written in the same folder and renamed over the target, so no reader ever sees a half file.
  // A target that exists under another letter case is replaced under its existing name.
  virtual FileStatus WriteFile(std::string_view path, std::string_view bytes) = 0;

  // A hint: these files are about to be written with WriteFile, in this order; an empty list
  // ends it. The disk creates their temporary files ahead, others need not do anything.
  virtual void ExpectWrites(std::vector<std::string> paths) { paths.clear(); }

  // Windows MoveFile: fails when `to` exists already or `from` does not; a change of letter
  // case alone ("a.htm" -> "A.htm") is allowed.
  virtual bool Rename(std::string_view from, std::string_view to) = 0;
  // Windows DeleteFile: fails for a folder and for a write-protected file.
  virtual bool Remove(std::string_view path) = 0;
  // Windows CopyFile: with `fail_if_exists` an existing target makes it fail; a write-protected
  // target always does. The copy keeps the source's write protection.
  virtual bool Copy(std::string_view from, std::string_view to, bool fail_if_exists) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  virtual bool MakeFolder(std::string_view path) = 0;

  // The entries of `folder` whose names match the Windows wildcard `mask` ("*", "?", and
  // several masks joined by ";"), case-insensitively, sorted by their upper-case names.
  // "." and ".." are never listed. A missing folder lists nothing.
  virtual std::vector<FolderEntry> ListFolder(std::string_view folder,
                                              std::string_view mask) const = 0;
};

// True when `name` matches the Windows wildcard `mask` ignoring case; ";" separates masks.
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace check_html
