// Conversion between the program's 8-bit text (Windows-1252) and UTF-8, for the component
// stream's UTF-8 strings. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, so every byte round-trips.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace check_html {

// True when the UTF-8 form differs from the 8-bit text: any byte outside ASCII.
bool NeedsUtf8(std::string_view text);

std::string Utf8From1252(std::string_view text);

// Characters that Windows-1252 cannot hold, and bytes that are not UTF-8, become "?".
std::string Utf8To1252(std::string_view utf8);

// The character (Unicode code point) of one Windows-1252 byte.
uint32_t CodePointOf1252(char byte);
// Appends the UTF-8 form of code point `cp` (at most 0x10FFFF).
void AppendUtf8(std::string& out, uint32_t cp);
// Decodes the UTF-8 character at `i` into `cp` and moves `i` past it; false, with `i` one byte
// further, for a malformed, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view utf8, std::size_t& i, uint32_t& cp);

}  // namespace check_html
