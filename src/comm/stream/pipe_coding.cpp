#include "comm/stream/pipe_coding.h"

namespace check_html {
namespace {

void PutLittleEndian(std::string& dst, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) dst.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool GetLittleEndian(std::string_view& input, int bytes, uint32_t& value) {
  if (input.size() < static_cast<std::size_t>(bytes)) return false;
  value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= static_cast<uint32_t>(static_cast<unsigned char>(input[static_cast<std::size_t>(i)]))
             << (8 * i);
  }
  input.remove_prefix(static_cast<std::size_t>(bytes));
  return true;
}

}  // namespace

void PutFixed8(std::string& dst, uint8_t value) { PutLittleEndian(dst, value, 1); }
void PutFixed16(std::string& dst, uint16_t value) { PutLittleEndian(dst, value, 2); }
void PutFixed32(std::string& dst, uint32_t value) { PutLittleEndian(dst, value, 4); }

bool GetFixed8(std::string_view& input, uint8_t& value) {
  uint32_t v = 0;
  if (!GetLittleEndian(input, 1, v)) return false;
  value = static_cast<uint8_t>(v);
  return true;
}

bool GetFixed16(std::string_view& input, uint16_t& value) {
  uint32_t v = 0;
  if (!GetLittleEndian(input, 2, v)) return false;
  value = static_cast<uint16_t>(v);
  return true;
}

bool GetFixed32(std::string_view& input, uint32_t& value) {
  return GetLittleEndian(input, 4, value);
}

void SetFixed32(std::string& dst, std::size_t offset, uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) dst[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutShortString(std::string& dst, std::string_view text) {
  text = text.substr(0, 255);
  PutFixed8(dst, static_cast<uint8_t>(text.size()));
  dst.append(text);
}

bool GetShortString(std::string_view& input, std::string& text) {
  std::string_view rest = input;
  uint8_t size = 0;
  if (!GetFixed8(rest, size) || !GetBytes(rest, size, text)) return false;
  input = rest;
  return true;
}

bool GetBytes(std::string_view& input, std::size_t size, std::string& bytes) {
  if (input.size() < size) return false;
  bytes.assign(input.substr(0, size));
  input.remove_prefix(size);
  return true;
}

}  // namespace check_html
