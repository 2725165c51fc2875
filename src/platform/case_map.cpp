#include "platform/case_map.h"

#include <array>

namespace check_html {
namespace {

// Upper/lower pairs of Windows-1252 besides A-Z and the Latin-1 letters 0xC0-0xDE. Built at
// compile time, so a fold is one table load.
struct CaseTables {
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};

  constexpr CaseTables() {
    for (int i = 0; i < 256; ++i) lower[i] = upper[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) Pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
      if (c != 0xD7) Pair(c, c + 32);  // 0xD7 and 0xF7 are the multiplication and division signs
    }
    Pair(0x8A, 0x9A);
    Pair(0x8C, 0x9C);
    Pair(0x8E, 0x9E);
    Pair(0x9F, 0xFF);
  }
  constexpr void Pair(int up, int low) {
    lower[up] = static_cast<unsigned char>(low);
    upper[low] = static_cast<unsigned char>(up);
  }
};

constexpr CaseTables kTables;

}  // namespace

namespace case_tables {
constexpr std::array<unsigned char, 256> kLower = kTables.lower;
constexpr std::array<unsigned char, 256> kUpper = kTables.upper;
}  // namespace case_tables

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ToLower1252(c);
  return result;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ToUpper1252(c);
  return result;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ToLower1252(a[i]) != ToLower1252(b[i])) return false;
  }
  return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace check_html
