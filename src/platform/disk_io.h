// The POSIX calls under DiskFileSystem, on real (already resolved) paths.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace check_html {

// stat() of the path; empty when it does not exist.
std::optional<struct stat> StatPath(const std::string& path);

// Windows' read-only attribute: no write bit in the mode. Checked from the mode, not with
// access(), because root may write anything and the site's protection must hold for root too.
bool IsWriteProtected(const struct stat& info);

// Reads the whole regular file. kCannotOpen when it cannot be opened, is no regular file, or
// `need_write` is set and the file is write-protected or not writable; `missing` (when given) is
// then set when the path names nothing.
FileStatus ReadWholeFile(const std::string& path, std::string& bytes, bool need_write = false,
                         bool* missing = nullptr);

// What a new file gets besides its bytes: its mode (else the default 0666 less the umask) and
// its modification time (else now).
struct FileAttributes {
  std::optional<mode_t> mode;
  std::optional<struct timespec> modified;
};

// A new, empty hidden file "." + name + "." + random beside a target, open for writing.
struct TempFile {
  int fd = -1;
  std::string path;
};

// Creates the temporary file for `target`; fd is -1 when that fails.
TempFile CreateTempFile(const std::string& target);

// Writes `bytes` to a temporary file in the target's folder (the one given, else a new one) and
// renames it over `target`. A failure removes the temporary file and leaves the target as it
// was: kCannotOpen when the temporary file cannot be created, kIoError after that.
FileStatus ReplaceFile(const std::string& target, std::string_view bytes,
                       const FileAttributes& attributes, TempFile temp = {});

}  // namespace check_html
