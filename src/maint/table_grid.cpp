#include "maint/table_grid.h"

#include <algorithm>

#include "html/text_scan.h"
#include "maint/table_slots.h"

namespace check_html {
namespace {

constexpr int kNumberCap = 1000000;  // larger numbers all count as this

int WidthOf(const TableRow& row, size_t cell) {
  return cell < row.cells.size() ? row.cells[cell].width : 0;
}

// A row whose first or second cell has a width, or whose third cell is "100%" wide.
bool HasSetWidths(const std::vector<TableRow>& rows) {
  return std::any_of(rows.begin(), rows.end(), [](const TableRow& row) {
    return WidthOf(row, 0) != 0 || WidthOf(row, 1) != 0 || WidthOf(row, 2) == -100;
  });
}

// The number of columns each row covers: its COLSPANs plus those that ROWSPANs from above
// carry into it.
std::vector<int> TotalColumns(const std::vector<TableRow>& rows) {
  std::vector<int> total(rows.size(), 0);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (const TableCell& cell : rows[r].cells) {
      total[r] += cell.colspan;
      for (size_t below = r + 1; below < RowSpanEnd(cell, r, rows.size()); ++below) {
        total[below] += cell.colspan;
      }
    }
  }
  return total;
}

bool Spans(const TableRow& row) {
  return std::any_of(row.cells.begin(), row.cells.end(),
                     [](const TableCell& cell) { return cell.colspan > 1; });
}

int SmallestColspan(const std::vector<TableRow>& rows) {
  int smallest = 1000;
  for (const TableRow& row : rows) {
    for (const TableCell& cell : row.cells) {
      if (cell.colspan > 1) smallest = std::min(smallest, cell.colspan);
    }
  }
  return smallest;
}

void LogGrid(GridCheck& check, const std::string& title, const std::vector<TableRow>& rows) {
  check.log.push_back(title);
  for (std::string& line : DumpTableGrid(rows)) check.log.push_back(std::move(line));
  check.show_preview = true;
}

}  // namespace

int PlainNumber(const std::string& text) {
  if (text.empty()) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = std::min(value * 10 + (c - '0'), kNumberCap);
  }
  return value;
}

int WidthValue(const std::string& text) {
  const std::string_view trimmed = TrimView(text);
  if (!trimmed.empty() && trimmed.back() == '%') {
    const int value = PlainNumber(std::string(trimmed.substr(0, trimmed.size() - 1)));
    return value < 0 ? 0 : -value;
  }
  return std::max(PlainNumber(std::string(trimmed)), 0);
}

GridCheck CheckTableGrid(std::vector<TableRow>& rows, const std::string& page) {
  GridCheck check;
  const std::vector<int> total = TotalColumns(rows);
  check.colspan_reduction = SmallestColspan(rows) - 1;

  // The rows are compared with the first while every row so far has a COLSPAN above 1; a
  // mismatch is logged and ends the comparison.
  bool consistent = true;
  bool every_row_spans = !rows.empty() && Spans(rows[0]);
  for (size_t r = 1; consistent && every_row_spans && r < rows.size(); ++r) {
    consistent = total[r] == total[0];
    if (!consistent) {
      check.log.push_back("!!!Wrong TD-No in TR" + std::to_string(r + 1) + " : " + page);
    }
    every_row_spans = Spans(rows[r]);
  }

  const SlotCheck slots = BuildSlotGrid(rows);
  if (slots.too_wide) {
    check.too_wide = true;
    return check;
  }
  check.remove_empties = slots.remove_empties;
  if (!slots.strict) {
    LogGrid(check, "!!!Not strict Col Row Span: " + page, rows);
  } else if (every_row_spans != slots.full_colspan_column) {
    LogGrid(check, "!!!Funny: " + page, rows);
  } else if (rows.size() > 2 && total[0] == 3) {
    check.set_width_100 = !HasSetWidths(rows);
  }
  check.remove_colspans = slots.strict && every_row_spans && slots.full_colspan_column;
  return check;
}

}  // namespace check_html
