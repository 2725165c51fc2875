// The system's 8-bit case mapping (Windows-1252). Text is bytes: nothing here depends on the C
// locale, and every case fold in the program goes through these functions.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace check_html {

namespace case_tables {
extern const std::array<unsigned char, 256> kLower;
extern const std::array<unsigned char, 256> kUpper;
}  // namespace case_tables

inline char ToLower1252(char c) {
  return static_cast<char>(case_tables::kLower[static_cast<unsigned char>(c)]);
}
inline char ToUpper1252(char c) {
  return static_cast<char>(case_tables::kUpper[static_cast<unsigned char>(c)]);
}

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);

// Byte-wise comparison of the lower-case forms.
bool EqualNoCase(std::string_view a, std::string_view b);
// True when the first `prefix.size()` bytes of `text` equal `prefix` ignoring case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace check_html
