// The window's side of "text is bytes": the core's 8-bit strings become QStrings one byte per
// character (Latin-1), and typed text goes back the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace check_html {

QString ToQt(std::string_view bytes);
// Characters beyond Latin-1 cannot be held by the core's 8-bit text and become "?".
std::string ToBytes(const QString& text);

// A whole number as a line edit may hold it: an optional sign and digits, nothing else, within
// the 32-bit range. Anything else (blanks, "3x", an empty text) is no number.
std::optional<int32_t> WholeNumber(std::string_view text);

}  // namespace check_html
