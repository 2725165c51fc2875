// Dated change anchors: a NAME or HREF of the form "$" + DDMMYY + rest. The date says when the
// change was made; Clear_Anc retires such anchors once they are older than Old_Days.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "run/options.h"

namespace check_html {

// A whole number as the platform's integer conversion reads it: leading spaces, an optional sign,
// decimal digits and nothing behind them, within 32 bits. Anything else (the empty text too)
// gives nullopt.
std::optional<int32_t> ReadWholeNumber(std::string_view text);

// True when the dated-anchor rule applies to `value`: Clear_Anc is on and `value` begins with
// "$" and has at least 7 characters.
bool IsDatedValue(const Options& options, std::string_view value);

// Applies the dated-anchor rule to `value` and returns whether it expired: its day number plus
// Old_Days lies below TodayNumber. An expired value keeps only the text after the first "_" at
// or behind its 7th character, or becomes empty when there is none. A date whose day, month
// or year does not read as a number leaves the value unchanged.
bool RetireDatedValue(const Options& options, std::string& value);

}  // namespace check_html
