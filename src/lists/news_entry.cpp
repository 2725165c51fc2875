#include "lists/news_entry.h"

#include <limits>
#include <utility>

#include "site/item_chain.h"
#include "site/link_functions.h"

namespace check_html {
namespace {

// Value of a digit in base 10 or 16; -1 for any other character.
int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Characters `first` and `first + 1` of the date, fewer when the name ends early.
std::string_view DatePart(std::string_view date, std::size_t first) {
  return first < date.size() ? date.substr(first, 2) : std::string_view();
}

std::string CutCell(std::string cell) {
  if (cell.size() > kNewsCellCapacity) cell.resize(kNewsCellCapacity);
  return cell;
}

// Characters 9 up to the first "_" at or after them; empty when the name is shorter.
std::string_view CommentOf(std::string_view name) {
  if (name.size() <= 8) return {};
  const std::string_view rest = name.substr(8);
  return rest.substr(0, rest.find('_'));
}

std::string DateCellOf(const Item& item, std::string_view date_text, std::string_view save_dir) {
  std::string cell = "<TR><TD WIDTH=\"130\"> ";
  if (item.Href.empty()) {
    cell += date_text;
  } else {
    const std::string target = item.Fragment.empty() ? item.Href : item.Href + "#" + item.Fragment;
    cell += "<A HREF=\"" + ReportLink(target, save_dir) + "\">";
    cell += date_text;
    cell += "</A>";
  }
  cell += " </TD>";
  return cell;
}

}  // namespace

std::optional<int32_t> ReadDateField(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  int base = 10;
  if (i < field.size() && (field[i] == '$' || field[i] == 'x')) {
    base = 16;
    ++i;
  }
  if (i == field.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < field.size(); ++i) {
    const int digit = DigitValue(field[i], base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::optional<AnchorDate> ReadAnchorDate(std::string_view name) {
  const std::string_view date = name.substr(1, 6);
  const std::string_view day_text = DatePart(date, 0);
  const std::string_view month_text = DatePart(date, 2);
  const std::string_view year_text = DatePart(date, 4);
  const std::optional<int32_t> day = ReadDateField(day_text);
  const std::optional<int32_t> month = ReadDateField(month_text);
  const std::optional<int32_t> year = ReadDateField(year_text);
  if (!day || !month || !year) return std::nullopt;
  const int32_t full_year = *year < 50 ? *year + 100 : *year;
  AnchorDate result;
  result.DayNumber = (full_year * 12 + *month) * 31 + *day;
  result.Text =
      std::string(day_text) + "." + std::string(month_text) + "." + std::string(year_text);
  return result;
}

NewsEntry MakeNewsEntry(const Item& item, const AnchorDate& date, std::string_view save_dir) {
  const std::string link = ReportLink(item.File, save_dir);
  const std::string_view comment = CommentOf(item.Name);
  NewsEntry entry;
  entry.DayNumber = date.DayNumber;
  entry.DateCell = CutCell(DateCellOf(item, date.Text, save_dir));
  entry.FileCell = CutCell("<TD Width=\"350\"><A HREF=\"" + link + "#" + item.Name + "\"> " + link +
                           "</A></TD>");
  entry.CommentCell =
      CutCell(comment.empty() ? std::string("<TD WIDTH=\"300\"> &nbsp; </TD></TR>")
                              : "<TD WIDTH=\"300\"> " + std::string(comment) + " </TD></TR>");
  return entry;
}

void SortNewestFirst(std::vector<NewsEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      if (entries[j].DayNumber > entries[i].DayNumber) std::swap(entries[i], entries[j]);
    }
  }
}

}  // namespace check_html
