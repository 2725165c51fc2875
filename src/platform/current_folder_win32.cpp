#include <windows.h>

#include "platform/current_folder.h"
#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

// GetFullPathNameW makes the path absolute against the current folder of its drive and drops
// "." and ".." steps, without looking at the disk.
std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD made = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (made == 0 || made >= size) return path;
  full.resize(made);
  return full;
}

}  // namespace

std::string CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  const DWORD made = size == 0 ? 0 : GetCurrentDirectoryW(size, folder.data());
  if (made == 0 || made >= size) return ".";
  folder.resize(made);
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  return Text1252Marked(folder);
}

std::string AbsolutePath(std::string_view path) {
  std::wstring wide = WideFrom1252(path);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  const bool trailing = !wide.empty() && wide.back() == L'\\';
  std::wstring full = FullPath(wide.empty() ? L"." : wide);
  // A drive root keeps its separator ("c:\"); other folders lose it unless it was given.
  const bool root = full.size() == 3 && full[1] == L':';
  while (!root && full.size() > 1 && full.back() == L'\\') full.pop_back();
  if (trailing && !root && !full.empty()) full += L'\\';
  return Text1252Marked(full);
}

}  // namespace check_html
