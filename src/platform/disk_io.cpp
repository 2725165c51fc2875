#include "platform/disk_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/disk_resolver.h"

namespace check_html {
namespace {

// Long names are cut in the temporary name so that it stays within the 255-byte name limit.
constexpr size_t kMaxNameInTempName = 200;
constexpr int kTempNameAttempts = 100;

std::string RandomSuffix() {
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof(kAlphabet) - 2);
  std::string suffix(8, ' ');
  for (char& c : suffix) c = kAlphabet[pick(engine)];
  return suffix;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool ApplyAttributes(int fd, const FileAttributes& attributes) {
  if (attributes.mode && fchmod(fd, *attributes.mode) != 0) return false;
  if (attributes.modified) {
    struct timespec times[2] = {{0, UTIME_OMIT}, *attributes.modified};
    if (futimens(fd, times) != 0) return false;
  }
  return true;
}

}  // namespace

TempFile CreateTempFile(const std::string& target) {
  std::string_view name = LeafName(target);
  std::string folder(target.substr(0, target.size() - name.size()));
  std::string stem(name.substr(0, kMaxNameInTempName));
  TempFile temp;
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    temp.path = folder + "." + stem + "." + RandomSuffix();
    temp.fd = open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temp.fd >= 0 || errno != EEXIST) return temp;
  }
  temp.fd = -1;
  return temp;
}

std::optional<struct stat> StatPath(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return info;
}

bool IsWriteProtected(const struct stat& info) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileStatus ReadWholeFile(const std::string& path, std::string& bytes, bool need_write,
                         bool* missing) {
  // Opening for writing checks what a read-write mapping of the file would need.
  int fd = open(path.c_str(), (need_write ? O_RDWR : O_RDONLY) | O_CLOEXEC);
  if (fd < 0) {
    if (missing) *missing = errno == ENOENT || errno == ENOTDIR;
    return FileStatus::kCannotOpen;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (need_write && IsWriteProtected(info))) {
    close(fd);
    return FileStatus::kCannotOpen;
  }
  // The size is known: reading stops there, so a page needs one read call.
  const size_t size = static_cast<size_t>(info.st_size);
  bytes.resize(size);
  size_t used = 0;
  FileStatus status = FileStatus::kOk;
  while (used < size) {
    ssize_t got = read(fd, bytes.data() + used, size - used);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) status = FileStatus::kIoError;
    if (got <= 0) break;
    used += static_cast<size_t>(got);
  }
  bytes.resize(used);
  close(fd);
  return status;
}

FileStatus ReplaceFile(const std::string& target, std::string_view bytes,
                       const FileAttributes& attributes, TempFile temp) {
  if (temp.fd < 0) temp = CreateTempFile(target);
  if (temp.fd < 0) return FileStatus::kCannotOpen;
  bool written = WriteAll(temp.fd, bytes) && ApplyAttributes(temp.fd, attributes);
  // close() can report a failed delayed write: the file counts as written only after it.
  written = (close(temp.fd) == 0) && written;
  if (!written || rename(temp.path.c_str(), target.c_str()) != 0) {
    unlink(temp.path.c_str());
    return FileStatus::kIoError;
  }
  return FileStatus::kOk;
}

}  // namespace check_html
