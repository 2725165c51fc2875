// Block form of page-list entries for the pipe. Each entry takes exactly 256 bytes:
//
//   offset 0      length byte L (0..255)
//   offset 1..L   the entry's text
//   offset L+1..  zero bytes up to the 256th
//
// A list travels as entries 0..count back to back, (count + 1) * 256 bytes. Bytes after the
// text are sent as zeros and ignored when read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace check_html {

inline constexpr std::size_t kPageEntryCapacity = 255;
inline constexpr std::size_t kPackedEntrySize = kPageEntryCapacity + 1;

// Appends one packed entry; text beyond 255 bytes is cut.
void PutPageEntry(std::string& dst, std::string_view text);

// Reads one packed entry from the front of `input` and moves `input` past it. False (and
// nothing consumed) when fewer than 256 bytes are left.
bool GetPageEntry(std::string_view& input, std::string& text);

}  // namespace check_html
