#include "site/text_file.h"

#include "platform/file_error.h"
#include "platform/file_system.h"

namespace check_html {
namespace {

[[noreturn]] void Fail(const char* text, std::string_view path) {
  throw FileError(text + std::string(path));
}

}  // namespace

void SaveTextFile(FileSystem& files, std::string_view path, std::string_view bytes) {
  if (files.WriteFile(path, bytes) != FileStatus::kOk) Fail(kTextWriteErrorText, path);
}

std::string LoadTextFile(const FileSystem& files, std::string_view path) {
  std::string bytes;
  if (files.ReadFile(path, bytes) != FileStatus::kOk) Fail(kTextReadErrorText, path);
  return bytes;
}

void DeleteFile(FileSystem& files, std::string_view path) {
  if (!files.Remove(path)) Fail(kDeleteErrorText, path);
}

void RenameFile(FileSystem& files, std::string_view from, std::string_view to) {
  if (!files.Rename(from, to)) Fail(kRenameErrorText, from);
}

}  // namespace check_html
