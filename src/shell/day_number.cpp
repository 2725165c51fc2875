#include "shell/day_number.h"

#include <ctime>
#include <optional>


namespace check_html {
namespace {

// A whole number as the date parts hold it: leading blanks, an optional sign, at least one
// digit, nothing behind.
std::optional<int32_t> WholeNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  int32_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

// Characters `first`..`first + 1` (0-based), shorter or empty when the text ends early.
std::string_view PartOf(std::string_view text, size_t first) {
  if (first >= text.size()) return {};
  return text.substr(first, 2);
}

void AppendTwoDigits(std::string& text, int value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

std::optional<int32_t> ReadDayNumber(std::string_view text) {
  std::optional<int32_t> day = WholeNumber(PartOf(text, 0));
  std::optional<int32_t> month = WholeNumber(PartOf(text, 3));
  std::optional<int32_t> year = WholeNumber(PartOf(text, 6));
  if (!day || !month || !year) return std::nullopt;
  int32_t y = *year < 50 ? *year + 100 : *year;
  return (y * 12 + *month) * 31 + *day;
}

}  // namespace

int32_t DayNumberOfDateText(std::string_view text) { return ReadDayNumber(text).value_or(0); }

std::string ShortDateText(int year, int month, int day) {
  std::string text;
  AppendTwoDigits(text, day);
  text += '.';
  AppendTwoDigits(text, month);
  text += '.';
  AppendTwoDigits(text, ((year % 100) + 100) % 100);
  return text;
}

std::string TodayDateText() {
  std::time_t now = std::time(nullptr);
  // Only the front end's thread asks for the date, so std::localtime's shared buffer is safe.
  const std::tm local = *std::localtime(&now);
  return ShortDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool SetTodayFromDateText(Options& options, std::string_view text) {
  std::optional<int32_t> number = ReadDayNumber(text);
  options.TodayNumber = number.value_or(0);
  return number.has_value();
}

}  // namespace check_html
