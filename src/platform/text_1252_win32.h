// Between the program's 8-bit text and the wide-character Win32 API. The program's text is
// Windows-1252 whatever the system's code page, so every conversion names code page 1252.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace check_html {

std::wstring WideFrom1252(std::string_view text);

// False when a character has no Windows-1252 form: such a name is reported, never mangled.
bool Text1252FromWide(std::wstring_view wide, std::string& text);

// The text with "?" for the characters Windows-1252 has no form for (for messages only).
std::string Text1252Marked(std::wstring_view wide);

// A path for the file calls: "/" turned into "\", and a long absolute path made a "\\?\" path
// so that it is not cut at 260 characters.
std::wstring NativeWidePath(std::string_view path);

// The system's text for a Win32 error code, without its trailing line break and full stop.
std::string WindowsErrorText(DWORD error);

}  // namespace check_html
