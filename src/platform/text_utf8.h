// Conversion between the program's 8-bit text (Windows-1252) and UTF-8, for the component
// stream's UTF-8 strings. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, so every byte round-trips.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// True when the UTF-8 form differs from the 8-bit text: any byte outside ASCII.
bool NeedsUtf8(std::string_view text);

std::string Utf8From1252(std::string_view text);

// Characters that Windows-1252 cannot hold, and bytes that are not UTF-8, become "?".
std::string Utf8To1252(std::string_view utf8);

}  // namespace check_html
