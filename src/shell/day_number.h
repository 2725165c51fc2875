// Dates as the program shows and counts them. The date text is the short form dd.mm.yy; a day
// number is (Y * 12 + M) * 31 + D with the two-digit year Y, 100 added when Y is below 50. Day
// numbers only compare dates, they do not count real days.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "run/options.h"

namespace check_html {

// Reads dd.mm.yy from characters 1-2, 4-5 and 7-8 of `text`, each a whole number. Returns 0
// when a part is not a number. "15.02.24" gives (124 * 12 + 2) * 31 + 15 = 46205.
int32_t DayNumberOfDateText(std::string_view text);

// The short date text dd.mm.yy of a calendar date (two digits each, the year modulo 100).
std::string ShortDateText(int year, int month, int day);

// Today's local date as a short date text.
std::string TodayDateText();

// Sets TodayNumber from a date text (0 when it cannot be read) and returns whether it could.
bool SetTodayFromDateText(Options& options, std::string_view text);

}  // namespace check_html
