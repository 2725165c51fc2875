// DiskFileSystem on the wide-character Win32 API. Windows itself finds names in any letter case
// and takes "\", "/" and drive letters, so no name is resolved here. The read-only attribute is
// checked before every write and delete, so it protects whoever runs the program.
#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/disk_file_system.h"
#include "platform/path_parts.h"
#include "platform/text_1252_win32.h"

namespace check_html {

// Creating files is cheap on Windows: temporary files are not made ahead. Windows finds names in
// any letter case itself: nothing is resolved here.
class TempFilesAhead {};
class DiskResolver {};

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr size_t kMaxNameInTempName = 200;
constexpr int kTempNameAttempts = 100;

// Closes a handle at the end of its scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (Valid()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  // Closes now; false when closing reported an error (a delayed write that failed).
  bool Close() {
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

DWORD AttributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

bool Found(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }
bool IsDirectory(DWORD attributes) {
  return Found(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
bool IsReadOnly(DWORD attributes) {
  return Found(attributes) && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::wstring FolderOfWide(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// The name an existing file is stored under (its letter case), else the name as given.
std::wstring StoredName(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW(path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return path;
  FindClose(find);
  return FolderOfWide(path) + found.cFileName;
}

std::wstring RandomSuffix() {
  static constexpr wchar_t kAlphabet[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, std::size(kAlphabet) - 2);
  std::wstring suffix(8, L' ');
  for (wchar_t& c : suffix) c = kAlphabet[pick(engine)];
  return suffix;
}

// A new hidden-by-name temporary file "." + name + "." + random beside `target`, open for
// writing; `temp` receives its path.
HANDLE CreateTempFile(const std::wstring& target, std::wstring& temp) {
  const std::wstring folder = FolderOfWide(target);
  const std::wstring stem = target.substr(folder.size(), kMaxNameInTempName);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    temp = folder + L"." + stem + L"." + RandomSuffix();
    const HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Written to a temporary file and moved over the target with MOVEFILE_WRITE_THROUGH, so the
// target holds its old or its new bytes at every moment. `attributes` and `modified` (when
// given) are what the new file gets besides its bytes.
FileStatus ReplaceFile(const std::wstring& target, std::string_view bytes, DWORD attributes,
                       const FILETIME* modified) {
  std::wstring temp;
  Handle file(CreateTempFile(target, temp));
  if (!file.Valid()) return FileStatus::kCannotOpen;
  bool written = WriteAll(file.Get(), bytes) &&
                 (modified == nullptr || SetFileTime(file.Get(), nullptr, nullptr, modified));
  written = file.Close() && written;
  written = written && (attributes == FILE_ATTRIBUTE_NORMAL ||
                        SetFileAttributesW(temp.c_str(), attributes));
  if (!written || !MoveFileExW(temp.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temp.c_str());
    return FileStatus::kIoError;
  }
  return FileStatus::kOk;
}

FileStatus ReadOpenFile(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return FileStatus::kIoError;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  size_t used = 0;
  while (used < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - used, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(file, bytes.data() + used, chunk, &got, nullptr)) {
      bytes.resize(used);
      return FileStatus::kIoError;
    }
    if (got == 0) break;
    used += got;
  }
  bytes.resize(used);
  return FileStatus::kOk;
}

}  // namespace

DiskFileSystem::DiskFileSystem() = default;
DiskFileSystem::~DiskFileSystem() = default;

void DiskFileSystem::ExpectWrites(std::vector<std::string> paths) { paths.clear(); }

bool DiskFileSystem::Exists(std::string_view path) const {
  return Found(AttributesOf(NativeWidePath(path)));
}

bool DiskFileSystem::IsFolder(std::string_view path) const {
  return IsDirectory(AttributesOf(NativeWidePath(path)));
}

std::optional<std::string> DiskFileSystem::NativePath(std::string_view path) const {
  std::string native(path);
  std::replace(native.begin(), native.end(), '/', '\\');
  const size_t slash = native.find_last_of('\\');
  if (slash != std::string::npos && slash > 0) {
    const std::string folder = native.substr(0, slash);
    const bool drive_root = folder.size() == 2 && folder[1] == ':';
    if (!drive_root && !IsDirectory(AttributesOf(NativeWidePath(folder)))) return std::nullopt;
  }
  return native;
}

// The volume's serial number and the file's index: one value for every name of one file.
std::string DiskFileSystem::FileIdentity(std::string_view path) const {
  Handle file(CreateFileW(NativeWidePath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &info)) return std::string(path);
  const unsigned long long index =
      (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(index);
}

// Windows reads the path in any letter case: it is handed back as given.
std::optional<FoundFile> DiskFileSystem::Find(std::string_view path) const {
  const DWORD attributes = AttributesOf(NativeWidePath(path));
  if (!Found(attributes)) return std::nullopt;
  return FoundFile{std::string(path), FileIdentity(path), IsDirectory(attributes)};
}

FileStatus DiskFileSystem::ReadFile(std::string_view path, std::string& bytes,
                                    bool need_write) const {
  const std::wstring native = NativeWidePath(path);
  if (need_write && IsReadOnly(AttributesOf(native))) return FileStatus::kCannotOpen;
  const DWORD access = GENERIC_READ | (need_write ? GENERIC_WRITE : 0);
  Handle file(CreateFileW(native.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.Valid()) return FileStatus::kCannotOpen;
  return ReadOpenFile(file.Get(), bytes);
}

FileStatus DiskFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  if (!NativePath(path)) return FileStatus::kCannotOpen;
  std::wstring target = NativeWidePath(path);
  const DWORD attributes = AttributesOf(target);
  DWORD kept = FILE_ATTRIBUTE_NORMAL;
  if (Found(attributes)) {
    if (IsDirectory(attributes) || IsReadOnly(attributes)) return FileStatus::kCannotOpen;
    kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    if (kept == 0) kept = FILE_ATTRIBUTE_NORMAL;
    target = StoredName(target);  // a replaced file keeps its name's letter case
  }
  return ReplaceFile(target, bytes, kept, nullptr);
}

// MoveFileW, with a change of letter case alone made in two steps through a temporary name:
// not every file system takes it in one.
bool DiskFileSystem::Rename(std::string_view from, std::string_view to) {
  const std::wstring source = NativeWidePath(from);
  const std::wstring target = NativeWidePath(to);
  const bool same_file =
      Found(AttributesOf(target)) && FileIdentity(from) == FileIdentity(to);
  if (!same_file) return MoveFileW(source.c_str(), target.c_str()) != 0;
  const std::wstring stored = StoredName(source);
  const std::wstring wanted = FolderOfWide(stored) + target.substr(FolderOfWide(target).size());
  if (wanted == stored) return false;  // the name it has already
  std::wstring temp;
  Handle placeholder(CreateTempFile(stored, temp));
  if (!placeholder.Valid()) return false;
  placeholder.Close();
  if (!MoveFileExW(stored.c_str(), temp.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  if (MoveFileW(temp.c_str(), wanted.c_str())) return true;
  MoveFileW(temp.c_str(), stored.c_str());
  return false;
}

bool DiskFileSystem::Remove(std::string_view path) {
  const std::wstring native = NativeWidePath(path);
  const DWORD attributes = AttributesOf(native);
  if (!Found(attributes) || IsDirectory(attributes) || IsReadOnly(attributes)) return false;
  return DeleteFileW(native.c_str()) != 0;
}

bool DiskFileSystem::Copy(std::string_view from, std::string_view to, bool fail_if_exists) {
  const std::wstring source = NativeWidePath(from);
  const DWORD source_attributes = AttributesOf(source);
  if (!Found(source_attributes) || IsDirectory(source_attributes)) return false;
  if (!NativePath(to)) return false;
  std::wstring target = NativeWidePath(to);
  const DWORD target_attributes = AttributesOf(target);
  if (Found(target_attributes)) {
    if (fail_if_exists || IsDirectory(target_attributes) || IsReadOnly(target_attributes) ||
        FileIdentity(from) == FileIdentity(to)) {
      return false;
    }
    target = StoredName(target);
  }
  Handle file(CreateFileW(source.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  std::string bytes;
  FILETIME modified{};
  if (!file.Valid() || ReadOpenFile(file.Get(), bytes) != FileStatus::kOk ||
      !GetFileTime(file.Get(), nullptr, nullptr, &modified)) {
    return false;
  }
  // The copy keeps the source's attributes (its write protection) and time, as CopyFile does.
  DWORD kept = source_attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  if (kept == 0) kept = FILE_ATTRIBUTE_NORMAL;
  return ReplaceFile(target, bytes, kept, &modified) == FileStatus::kOk;
}

bool DiskFileSystem::MakeFolder(std::string_view path) {
  const std::wstring native = NativeWidePath(path);
  // Each missing folder from the first separator on; a drive or server part is never created.
  for (size_t at = native.find(L'\\'); at != std::wstring::npos;
       at = native.find(L'\\', at + 1)) {
    if (at == 0 || native[at - 1] == L':' || native[at - 1] == L'\\' || native[at - 1] == L'?') {
      continue;
    }
    CreateDirectoryW(native.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(native.c_str(), nullptr);
  return IsDirectory(AttributesOf(native));
}

std::vector<FolderEntry> DiskFileSystem::ListFolder(std::string_view folder,
                                                    std::string_view mask) const {
  std::vector<FolderEntry> entries;
  std::wstring pattern = NativeWidePath(folder);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view wide = found.cFileName;
    if (wide == L"." || wide == L"..") continue;
    std::string name;
    if (!Text1252FromWide(wide, name)) {
      if (name_report_) {
        name_report_("!!!Name not in Windows-1252, skipped: " + std::string(folder) + "\\" +
                     Text1252Marked(wide));
      }
      continue;
    }
    if (!MatchesMask(name, mask)) continue;
    entries.push_back({std::move(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find, &found));
  FindClose(find);
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    return SortsBefore(a.name, b.name);
  });
  return entries;
}

}  // namespace check_html
