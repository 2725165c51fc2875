// The file operations of the reports and of the picture-reference switch. Each raises
// FileError naming the file when the file system refuses, so a failed write, delete or
// rename ends the run instead of passing for success.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class FileSystem;

inline constexpr const char* kTextWriteErrorText = "Error while writing file ";
inline constexpr const char* kTextReadErrorText = "Error while reading file ";
inline constexpr const char* kDeleteErrorText = "Can not delete file ";
inline constexpr const char* kRenameErrorText = "Can not rename file ";

// Creates or replaces the file with `bytes` in one piece.
void SaveTextFile(FileSystem& files, std::string_view path, std::string_view bytes);
// The whole file, every byte as stored.
std::string LoadTextFile(const FileSystem& files, std::string_view path);
void DeleteFile(FileSystem& files, std::string_view path);
// Renames `from` to `to`, which must not exist.
void RenameFile(FileSystem& files, std::string_view from, std::string_view to);

}  // namespace check_html
