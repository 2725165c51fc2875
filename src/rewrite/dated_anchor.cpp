#include "rewrite/dated_anchor.h"

#include <limits>

namespace check_html {

std::optional<int32_t> ReadWholeNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool IsDatedValue(const Options& options, std::string_view value) {
  return options.Clear_Anc && value.size() >= 7 && value[0] == '$';
}

bool RetireDatedValue(const Options& options, std::string& value) {
  const std::string_view v = value;
  const std::optional<int32_t> day = ReadWholeNumber(v.substr(1, 2));
  const std::optional<int32_t> month = ReadWholeNumber(v.substr(3, 2));
  const std::optional<int32_t> year = ReadWholeNumber(v.substr(5, 2));
  if (!day || !month || !year) return false;
  const int64_t y = *year < 50 ? *year + 100 : *year;
  const int64_t day_number = (y * 12 + *month) * 31 + *day;
  if (day_number + options.Old_Days.load() >= options.TodayNumber.load()) return false;

  const size_t underscore = value.find('_', 6);
  if (underscore != std::string::npos && underscore + 1 < value.size()) {
    value.erase(0, underscore + 1);
  } else {
    value.clear();
  }
  return true;
}

}  // namespace check_html
