// The reading of one page by table repair: the page text is copied to the writer tag by tag,
// and every top-level table is gathered, analysed, and read a second time when the analysis
// asks for a change. A table that cannot be analysed (beyond the limits of the analysis, rows
// not closed, cells outside rows, or the page ends inside it) is written as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "maint/table_grid.h"

namespace check_html {

class PageReader;
class PageWriter;
class RunContext;

class TableReading {
 public:
  // `page` names the page in the log lines.
  TableReading(RunContext& run, std::string page);

  // Reads the loaded page through its end tag (or its end) and writes it to the writer.
  void Run();

 private:
  void Step();
  void TableStart();
  void TableEnd();
  void RowStart();
  void RowEnd();
  void DataCell();
  void HeaderCell();
  void Cell(bool is_td);
  TableCell ReadCellTag();
  void ReadCellContent(std::string_view end_tag);
  void Script();
  void Comment();
  void TakeThrough(bool (PageReader::*take)(std::string&));
  void PageEndTag();
  void Rule();
  void Other();
  // The open row when the analysis keeps it, else null.
  TableRow* CurrentRow();
  void WriteTable();
  void WriteTableAsItStands(size_t end);
  void LogPreview();

  RunContext& run_;
  PageReader& reader_;
  PageWriter& out_;
  const std::string page_;
  std::string text_, tag_;
  bool read_next_ = true;
  bool done_ = false;  // the end tag of the page was handled

  // The top-level table being read.
  bool in_table_ = false;
  bool second_reading_ = false;
  bool as_it_stands_ = false;  // the table cannot be analysed
  size_t table_start_ = 0;     // page position of its "<"
  std::string table_text_;     // its start tag and the rows accepted so far
  std::string row_text_;
  std::vector<TableRow> rows_;  // up to kMaxTableRows
  int row_count_ = 0;
  int cell_count_ = 0;
  bool row_open_ = false;
  bool row_empty_ = true;
  bool first_colspan_open_ = false;
  GridCheck changes_;  // the changes of the second reading
};

}  // namespace check_html
