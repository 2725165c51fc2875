// The slot grid of a table: the cells laid out on columns as a browser lays them out, each cell
// taking the next slot that a ROWSPAN from above does not hold, its COLSPAN the slots behind it
// and its ROWSPAN the same slots of the rows below.
#pragma once

#include <string>
#include <vector>

#include "maint/table_grid.h"

namespace check_html {

struct SlotCheck {
  bool strict = true;                // every slot up to the grid width holds exactly one mark
  bool remove_empties = false;       // some row got its remove flag
  bool full_colspan_column = false;  // strict, and a column is covered by a COLSPAN in every row
  bool too_wide = false;             // more than kMaxGridSlots slots: nothing else is set
  int width = 0;                     // the last slot any row reaches
};

// Lays the rows out with the marks "+" (a cell begins), "-" (covered by a COLSPAN) and "!"
// (covered by a ROWSPAN from above). In each run of empty rows the first stays; every further
// one gets its remove flag unless a ROWSPAN reaches into it alone, which ends the run.
SlotCheck BuildSlotGrid(std::vector<TableRow>& rows);

// The grid for the log, one line per row: the row number and ":", then per slot a tab and
// COLSPAN:ROWSPAN where a cell begins, "---" under a COLSPAN, " ! " under a ROWSPAN. A slot
// text longer than 3 characters hands the rest to an empty next slot and is written in "#".
std::vector<std::string> DumpTableGrid(const std::vector<TableRow>& rows);

}  // namespace check_html
