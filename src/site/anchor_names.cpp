#include "site/anchor_names.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/text_utf8.h"

namespace check_html {
namespace {

struct NamedCharacter {
  std::string_view name;
  uint32_t code_point;
};

// The five markup characters and the Latin-1 letters and signs, the named references that
// 8-bit pages of this kind use.
constexpr NamedCharacter kNamedCharacters[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},    {"apos", '\''},
    {"nbsp", 0xA0},    {"iexcl", 0xA1},   {"cent", 0xA2},    {"pound", 0xA3},  {"curren", 0xA4},
    {"yen", 0xA5},     {"brvbar", 0xA6},  {"sect", 0xA7},    {"uml", 0xA8},    {"copy", 0xA9},
    {"ordf", 0xAA},    {"laquo", 0xAB},   {"not", 0xAC},     {"shy", 0xAD},    {"reg", 0xAE},
    {"macr", 0xAF},    {"deg", 0xB0},     {"plusmn", 0xB1},  {"sup2", 0xB2},   {"sup3", 0xB3},
    {"acute", 0xB4},   {"micro", 0xB5},   {"para", 0xB6},    {"middot", 0xB7}, {"cedil", 0xB8},
    {"sup1", 0xB9},    {"ordm", 0xBA},    {"raquo", 0xBB},   {"frac14", 0xBC}, {"frac12", 0xBD},
    {"frac34", 0xBE},  {"iquest", 0xBF},  {"Agrave", 0xC0},  {"Aacute", 0xC1}, {"Acirc", 0xC2},
    {"Atilde", 0xC3},  {"Auml", 0xC4},    {"Aring", 0xC5},   {"AElig", 0xC6},  {"Ccedil", 0xC7},
    {"Egrave", 0xC8},  {"Eacute", 0xC9},  {"Ecirc", 0xCA},   {"Euml", 0xCB},   {"Igrave", 0xCC},
    {"Iacute", 0xCD},  {"Icirc", 0xCE},   {"Iuml", 0xCF},    {"ETH", 0xD0},    {"Ntilde", 0xD1},
    {"Ograve", 0xD2},  {"Oacute", 0xD3},  {"Ocirc", 0xD4},   {"Otilde", 0xD5}, {"Ouml", 0xD6},
    {"times", 0xD7},   {"Oslash", 0xD8},  {"Ugrave", 0xD9},  {"Uacute", 0xDA}, {"Ucirc", 0xDB},
    {"Uuml", 0xDC},    {"Yacute", 0xDD},  {"THORN", 0xDE},   {"szlig", 0xDF},  {"agrave", 0xE0},
    {"aacute", 0xE1},  {"acirc", 0xE2},   {"atilde", 0xE3},  {"auml", 0xE4},   {"aring", 0xE5},
    {"aelig", 0xE6},   {"ccedil", 0xE7},  {"egrave", 0xE8},  {"eacute", 0xE9}, {"ecirc", 0xEA},
    {"euml", 0xEB},    {"igrave", 0xEC},  {"iacute", 0xED},  {"icirc", 0xEE},  {"iuml", 0xEF},
    {"eth", 0xF0},     {"ntilde", 0xF1},  {"ograve", 0xF2},  {"oacute", 0xF3}, {"ocirc", 0xF4},
    {"otilde", 0xF5},  {"ouml", 0xF6},    {"divide", 0xF7},  {"oslash", 0xF8}, {"ugrave", 0xF9},
    {"uacute", 0xFA},  {"ucirc", 0xFB},   {"uuml", 0xFC},    {"yacute", 0xFD}, {"thorn", 0xFE},
    {"yuml", 0xFF},    {"euro", 0x20AC},
};

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

uint32_t HexValue(char c) {
  if (c <= '9') return static_cast<uint32_t>(c - '0');
  return static_cast<uint32_t>((c | 0x20) - 'a' + 10);
}

// The character of the reference "&...;" at `at`, and the size of the reference; nothing when
// no known reference stands there (the "&" then stands for itself).
std::optional<uint32_t> ReadReference(std::string_view text, std::size_t at, std::size_t& size) {
  const std::size_t semicolon = text.find(';', at);
  if (semicolon == std::string_view::npos || semicolon - at > 10) return std::nullopt;
  const std::string_view body = text.substr(at + 1, semicolon - at - 1);
  size = semicolon - at + 1;
  if (body.size() >= 2 && body[0] == '#') {
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
      if (hex ? !IsHexDigit(c) : (c < '0' || c > '9')) return std::nullopt;
      value = value * (hex ? 16 : 10) + HexValue(c);
      if (value > 0x10FFFF) return std::nullopt;
    }
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
    return value;
  }
  for (const NamedCharacter& named : kNamedCharacters) {
    if (named.name == body) return named.code_point;
  }
  return std::nullopt;
}

// Appends the bytes of a run of percent-escapes: UTF-8 when they are, else one Windows-1252
// character a byte.
void AppendEscapedBytes(std::string& key, std::string_view bytes) {
  std::string utf8;
  for (std::size_t i = 0; i < bytes.size();) {
    uint32_t cp = 0;
    if (!DecodeUtf8(bytes, i, cp)) {
      for (char byte : bytes) AppendUtf8(key, CodePointOf1252(byte));
      return;
    }
    AppendUtf8(utf8, cp);
  }
  key += utf8;
}

std::string KeyOf(std::string_view text, bool percent_escapes) {
  std::string key;
  std::string escaped;  // the bytes of the percent-escapes read in a row
  for (std::size_t i = 0; i < text.size();) {
    if (percent_escapes && text[i] == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
        IsHexDigit(text[i + 2])) {
      escaped += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 3;
      continue;
    }
    AppendEscapedBytes(key, escaped);
    escaped.clear();
    std::size_t size = 0;
    if (text[i] == '&') {
      if (const std::optional<uint32_t> cp = ReadReference(text, i, size)) {
        AppendUtf8(key, *cp);
        i += size;
        continue;
      }
    }
    AppendUtf8(key, CodePointOf1252(text[i++]));
  }
  AppendEscapedBytes(key, escaped);
  return key;
}

}  // namespace

std::string AnchorKey(std::string_view name) { return KeyOf(name, false); }

std::string FragmentKey(std::string_view fragment) { return KeyOf(fragment, true); }

std::string FoldedKey(std::string_view key) {
  std::string folded;
  folded.reserve(key.size());
  for (std::size_t i = 0; i < key.size();) {
    uint32_t cp = 0;
    if (!DecodeUtf8(key, i, cp)) continue;
    const bool upper = (cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7);
    AppendUtf8(folded, upper ? cp + 0x20 : cp);
  }
  return folded;
}

}  // namespace check_html
