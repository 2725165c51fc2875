// Fixed-width pieces of the pipe's byte format. Every integer is little-endian; each Get moves
// `input` past what it read and returns false, consuming nothing, when too few bytes are left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace check_html {

void PutFixed8(std::string& dst, uint8_t value);
void PutFixed16(std::string& dst, uint16_t value);
void PutFixed32(std::string& dst, uint32_t value);
bool GetFixed8(std::string_view& input, uint8_t& value);
bool GetFixed16(std::string_view& input, uint16_t& value);
bool GetFixed32(std::string_view& input, uint32_t& value);

// Overwrites 4 bytes at `offset` (a length filled in after the bytes it counts).
void SetFixed32(std::string& dst, std::size_t offset, uint32_t value);

// A short string: one length byte, then the bytes. Put cuts the text to 255 bytes.
void PutShortString(std::string& dst, std::string_view text);
bool GetShortString(std::string_view& input, std::string& text);

// `size` bytes as they are.
bool GetBytes(std::string_view& input, std::size_t size, std::string& bytes);

}  // namespace check_html
