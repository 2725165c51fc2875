#include "maint/table_slots.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace check_html {
namespace {

// Slots 1..kMaxGridSlots of every row; one more behind them takes the dump's overflow.
using SlotRow = std::array<std::string, kMaxGridSlots + 2>;

struct Marks {
  std::string (*start)(const TableCell&);
  std::string_view col;
  std::string_view row;
  size_t capacity;  // slot texts keep this many characters
};

void Mark(std::string& slot, std::string_view mark, size_t capacity) {
  slot += mark;
  if (slot.size() > capacity) slot.resize(capacity);
}

// The width of the laid-out grid, or -1 when a row needs more than kMaxGridSlots slots.
int LayOut(const std::vector<TableRow>& rows, const Marks& marks, std::vector<SlotRow>& slots) {
  slots.assign(rows.size(), SlotRow{});
  int width = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    int k = 0;
    for (const TableCell& cell : rows[r].cells) {
      ++k;
      while (k <= kMaxGridSlots && slots[r][static_cast<size_t>(k)] == marks.row) ++k;
      const size_t below_end = RowSpanEnd(cell, r, rows.size());
      for (int column = 0; column < std::max(cell.colspan, 1); ++column) {
        if (column > 0) ++k;
        if (k > kMaxGridSlots) return -1;
        const size_t slot = static_cast<size_t>(k);
        if (column == 0) {
          Mark(slots[r][slot], marks.start(cell), marks.capacity);
        } else {
          Mark(slots[r][slot], marks.col, marks.capacity);
        }
        for (size_t below = r + 1; below < below_end; ++below) {
          Mark(slots[below][slot], marks.row, marks.capacity);
        }
      }
      width = std::max(width, k);
    }
  }
  return width;
}

std::string CellStartMark(const TableCell&) { return "+"; }

std::string CellSpans(const TableCell& cell) {
  return std::to_string(cell.colspan) + ":" + std::to_string(cell.rowspan);
}

bool HeldByRowSpan(const SlotRow& row, int width) {
  return std::any_of(row.begin() + 1, row.begin() + 1 + width,
                     [](const std::string& slot) { return slot == "!"; });
}

void MarkEmptyRuns(std::vector<TableRow>& rows, const std::vector<SlotRow>& slots, int width,
                   SlotCheck& check) {
  bool in_run = false;
  for (size_t r = 0; r < rows.size(); ++r) {
    TableRow& row = rows[r];
    row.remove = false;
    if (!row.empty || !in_run) {
      in_run = row.empty;
    } else if (HeldByRowSpan(slots[r], width)) {
      in_run = false;
    } else {
      row.remove = true;
      check.remove_empties = true;
    }
  }
}

bool HasFullColspanColumn(const std::vector<SlotRow>& slots, int width) {
  for (size_t k = 1; k <= static_cast<size_t>(width); ++k) {
    if (std::all_of(slots.begin(), slots.end(),
                    [k](const SlotRow& row) { return row[k] == "-"; })) {
      return true;
    }
  }
  return false;
}

}  // namespace

SlotCheck BuildSlotGrid(std::vector<TableRow>& rows) {
  static const Marks kMarks{CellStartMark, "-", "!", 4};
  std::vector<SlotRow> slots;
  SlotCheck check;
  check.width = LayOut(rows, kMarks, slots);
  if (check.width < 0) {
    check.too_wide = true;
    return check;
  }
  for (const SlotRow& row : slots) {
    for (size_t k = 1; k <= static_cast<size_t>(check.width); ++k) {
      if (row[k].size() != 1) check.strict = false;
    }
  }
  MarkEmptyRuns(rows, slots, check.width, check);
  check.full_colspan_column = check.strict && HasFullColspanColumn(slots, check.width);
  return check;
}

std::vector<std::string> DumpTableGrid(const std::vector<TableRow>& rows) {
  static const Marks kDump{CellSpans, "---", " ! ", 10};
  std::vector<SlotRow> slots;
  const int width = std::max(LayOut(rows, kDump, slots), 0);
  std::vector<std::string> lines;
  for (size_t r = 0; r < slots.size(); ++r) {
    std::string line = std::to_string(r + 1) + ":";
    for (size_t k = 1; k <= static_cast<size_t>(width); ++k) {
      std::string slot = slots[r][k];
      if (slot.size() > 3) {
        if (slots[r][k + 1].empty()) {
          slots[r][k + 1] = slot.substr(3);
          slot.resize(3);
        }
        slot = "#" + slot + "#";
      }
      line += "\t" + slot;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace check_html
