// Byte-level helpers shared by the page reader, the attribute functions and the page writer.
// Conventions: a blank is one of space, line feed and carriage return (a tab is not a blank);
// trimming removes leading and trailing bytes up to 32 (spaces and control characters);
// case-insensitive means equal under the Windows-1252 lower-case mapping.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace check_html {

inline bool IsBlank(char c) { return c == ' ' || c == '\n' || c == '\r'; }

// True for spaces and control characters, the bytes that trimming removes.
inline bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view TrimView(std::string_view text);
// Trims `text` in place, without allocating.
void TrimInPlace(std::string& text);

// Offset of the first case-insensitive occurrence of `what` in `text` that begins at or after
// `from`; std::string_view::npos when there is none or `what` is empty.
size_t FindNoCase(std::string_view text, std::string_view what, size_t from = 0);

// 1-based index of the first case-insensitive occurrence of `text` in `s` that begins at or
// after the 1-based index `start` (values below 1 count as 1); 0 when there is none.
size_t FindFrom(std::string_view text, std::string_view s, size_t start);

// Replaces every occurrence of `what` (not empty) in one pass; the inserted text is not searched
// again. True when anything was replaced.
bool ReplaceAll(std::string& text, std::string_view what, std::string_view with);

}  // namespace check_html
