// The cell grid of one top-level table as table repair reads it, and its analysis. Rows and cells
// are 0-based here; log lines number rows from 1. The analysis structures have limits: a table
// beyond them is not analysed at all but written as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace check_html {

inline constexpr int kMaxTableRows = 100;
inline constexpr int kMaxRowCells = 27;
inline constexpr int kMaxGridSlots = 30;
inline constexpr int kMaxSpan = 254;

struct TableCell {
  int colspan = 1;
  int rowspan = 1;
  int width = 0;  // WIDTH as an integer, negative for a percentage, 0 when absent or no number
};

// One behind the last row that the cell's ROWSPAN covers, from its own row `row` on.
inline size_t RowSpanEnd(const TableCell& cell, size_t row, size_t row_count) {
  const size_t span = cell.rowspan > 1 ? static_cast<size_t>(cell.rowspan) : 1;
  return row + span < row_count ? row + span : row_count;
}

struct TableRow {
  std::vector<TableCell> cells;
  bool empty = true;    // every cell holds only blanks or "&nbsp;"
  bool remove = false;  // a further empty row of a run: dropped on the second reading
};

// What CheckTableGrid decides, and the lines it logs (in order).
struct GridCheck {
  bool remove_colspans = false;
  bool remove_empties = false;
  bool set_width_100 = false;
  int colspan_reduction = 0;  // the smallest COLSPAN above 1 in the table, minus 1
  bool too_wide = false;      // more than kMaxGridSlots slots: nothing decided
  bool show_preview = false;  // the log lines end with a grid dump: add the table's preview
  std::vector<std::string> log;

  bool AnyChange() const { return remove_colspans || remove_empties || set_width_100; }
};

// The value of a COLSPAN, ROWSPAN or WIDTH text when it is a plain decimal integer (digits
// only), else -1. Values above 1000000 are given as 1000000.
int PlainNumber(const std::string& text);
// WIDTH (blanks trimmed): "n%" gives -n, "n" gives n, anything else 0.
int WidthValue(const std::string& text);

// Analyses the table after its first reading: counts the columns of every row, checks that the
// rows agree, lays the cells out on slots, and decides the three changes. Sets the rows' remove
// flags. `page` names the page in the log lines.
GridCheck CheckTableGrid(std::vector<TableRow>& rows, const std::string& page);

}  // namespace check_html
