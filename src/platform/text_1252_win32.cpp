#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

constexpr UINT kCodePage = 1252;
constexpr size_t kLongPath = 240;  // beyond it the "\\?\" form avoids the 260-character limit

}  // namespace

std::wstring WideFrom1252(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<size_t>(size), L'\0');  // one wide character per byte
  const int made = MultiByteToWideChar(kCodePage, 0, text.data(), size, wide.data(), size);
  wide.resize(static_cast<size_t>(made > 0 ? made : 0));
  return wide;
}

bool Text1252FromWide(std::wstring_view wide, std::string& text) {
  text.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  // A wide character is at most one byte in code page 1252; best-fit stand-ins are refused.
  text.resize(wide.size());
  BOOL defaulted = FALSE;
  const int made = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                       text.data(), size, nullptr, &defaulted);
  text.resize(static_cast<size_t>(made > 0 ? made : 0));
  return made == size && !defaulted;
}

std::string Text1252Marked(std::wstring_view wide) {
  std::string text(wide.size(), '?');
  if (wide.empty()) return text;
  const int size = static_cast<int>(wide.size());
  const int made = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                       text.data(), size, "?", nullptr);
  text.resize(static_cast<size_t>(made > 0 ? made : 0));
  return text;
}

std::wstring NativeWidePath(std::string_view path) {
  std::wstring wide = WideFrom1252(path);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  if (wide.size() < kLongPath || wide.starts_with(L"\\\\")) return wide;
  // The "\\?\" form is taken literally, so "." and ".." are resolved first.
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  const DWORD made = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (made == 0 || made >= size) return wide;
  full.resize(made);
  if (full.size() < 3 || full[1] != L':') return wide;
  return L"\\\\?\\" + full;
}

// In English where the system has it (the program's other texts are English), else in the
// system's own language.
std::string WindowsErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  DWORD size = 0;
  for (const DWORD language : {DWORD{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, DWORD{0}}) {
    size = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                              FORMAT_MESSAGE_IGNORE_INSERTS,
                          nullptr, error, language, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (size > 0) break;
  }
  std::string text = size > 0 ? Text1252Marked(std::wstring_view(buffer, size))
                              : "Error " + std::to_string(error);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.' ||
                           text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace check_html
