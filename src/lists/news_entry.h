// The rows of the news pages: one per dated anchor, whose NAME is "$", the date DDMMYY, one
// separator character and a comment that ends at the next "_".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check_html {

struct Item;

// The news pages list at most this many dated anchors, taken in chain order.
inline constexpr std::size_t kNewsCapacity = 1000;
// Each cell of a row holds at most this many characters.
inline constexpr std::size_t kNewsCellCapacity = 255;

// One table row of a news page.
struct NewsEntry {
  int32_t DayNumber = 0;    // (Y * 12 + M) * 31 + D, 100 added to a year below 50
  std::string DateCell;     // row start and the date cell
  std::string CommentCell;  // comment cell and row end
  std::string FileCell;     // the page, linked to the anchor itself
};

// A date field as an integer: optional blanks, an optional "+" or "-", then digits; a "$" or
// an "x" in front of the digits makes them hexadecimal. Anything else, an empty field or one
// without digits, does not read.
std::optional<int32_t> ReadDateField(std::string_view field);

// The date of a dated anchor: DDMMYY after the "$" of the name.
struct AnchorDate {
  int32_t DayNumber = 0;
  std::string Text;  // DD.MM.YY exactly as written in the name
};

// The date of a dated anchor (`name` begins with "$"); nothing when a date field does not read.
// Day, month and year are not range-checked.
std::optional<AnchorDate> ReadAnchorDate(std::string_view name);

// The row of a dated anchor with its date, the links relative to `save_dir`.
NewsEntry MakeNewsEntry(const Item& item, const AnchorDate& date, std::string_view save_dir);

// Newest first, by the exchange sort whose order for equal dates the pages show: for each slot
// i, every later slot j with a greater DayNumber is exchanged with slot i. Quadratic, which is
// acceptable for the at most kNewsCapacity entries of a page.
void SortNewestFirst(std::vector<NewsEntry>& entries);

}  // namespace check_html
