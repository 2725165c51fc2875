#include "maint/table_reading.h"

#include <algorithm>
#include <string_view>

#include "html/attributes.h"
#include "html/page_reader.h"
#include "html/page_writer.h"
#include "html/text_scan.h"
#include "maint/table_nested.h"
#include "platform/case_map.h"
#include "run/run_context.h"

namespace check_html {
namespace {

constexpr const char* kRuleTag = "HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\"";
constexpr const char* kAsItStandsText = "!!!Table not checked, written as it stands: ";

// The tag names td and th themselves (the dispatch's "th" also takes THEAD).
bool IsCellTag(std::string_view tag) {
  const std::string_view name = tag.substr(0, tag.find(' '));
  return EqualNoCase(name, "td") || EqualNoCase(name, "th");
}

}  // namespace

TableReading::TableReading(RunContext& run, std::string page)
    : run_(run), reader_(run.Reader), out_(run.Writer), page_(std::move(page)) {}

void TableReading::Run() {
  // A tag kept from a cell's look-ahead is handled even when the page ends behind it.
  while (!done_ && (!read_next_ || !reader_.AtPageEnd())) {
    if (read_next_ && !reader_.ReadTag(text_, tag_)) {
      ReplaceOldEntities(text_);
      if (!in_table_) out_.WriteText(text_);
      break;
    }
    read_next_ = true;
    ReplaceOldEntities(text_);
    Step();
  }
  // A table that the page end cuts (a nested table left open takes in the closing tag) is
  // written through the closing tag, so the page still ends with it.
  if (in_table_) WriteTableAsItStands(reader_.ClosingTagEnd());
}

void TableReading::Step() {
  using Action = void (TableReading::*)();
  struct Row {
    std::string_view prefix;
    Action action;
  };
  // Tried in order; the first row whose prefix begins the tag (ignoring case) handles it.
  static constexpr Row kRows[] = {
      {"table", &TableReading::TableStart}, {"/table", &TableReading::TableEnd},
      {"tr", &TableReading::RowStart},      {"/tr", &TableReading::RowEnd},
      {"td", &TableReading::DataCell},      {"th", &TableReading::HeaderCell},
      {"script", &TableReading::Script},    {"!--", &TableReading::Comment},
      {"/html", &TableReading::PageEndTag}, {kRuleTag, &TableReading::Rule},
  };
  for (const Row& row : kRows) {
    if (StartsWithNoCase(tag_, row.prefix)) {
      (this->*row.action)();
      return;
    }
  }
  Other();
}

// A table inside the table is copied into the row; a top-level one starts a reading.
void TableReading::TableStart() {
  if (in_table_) {
    row_text_ += text_;
    CopyNestedTable(reader_, 2, tag_, row_text_);
    row_empty_ = false;
    return;
  }
  out_.WriteText(text_);
  in_table_ = true;
  as_it_stands_ = false;
  table_start_ = reader_.TagStart();
  table_text_ = "<" + tag_ + ">";
  row_text_.clear();
  row_count_ = 0;
  row_open_ = false;
  if (!second_reading_) rows_.clear();  // the second reading keeps the rows' remove flags
}

void TableReading::TableEnd() {
  if (!in_table_) return Other();
  in_table_ = false;
  if (row_open_ || row_count_ > kMaxTableRows) as_it_stands_ = true;
  if (as_it_stands_) return WriteTableAsItStands(reader_.PagePos());
  if (second_reading_) {
    WriteTable();
    if (changes_.remove_colspans) run_.LogLine("+++Colspan removed: " + page_);
    if (changes_.remove_empties) run_.LogLine("+++Empties removed: " + page_);
    changes_ = GridCheck{};
    second_reading_ = false;
    return;
  }
  GridCheck check = CheckTableGrid(rows_, page_);
  for (const std::string& line : check.log) run_.LogLine(line);
  if (check.too_wide) return WriteTableAsItStands(reader_.PagePos());
  if (check.show_preview) LogPreview();
  if (check.AnyChange()) {
    changes_ = std::move(check);
    second_reading_ = true;
    reader_.SetPagePos(table_start_);
    return;
  }
  WriteTable();
}

// Text before a row is stray and dropped; so is everything between rows.
void TableReading::RowStart() {
  if (!in_table_) return Other();
  if (!TrimView(text_).empty()) run_.LogLine("!!!Mist!!!: " + text_);
  if (row_open_) as_it_stands_ = true;  // its row text would be lost
  row_text_ = "<" + tag_ + ">";
  row_open_ = true;
  row_empty_ = true;
  first_colspan_open_ = true;
  cell_count_ = 0;
  if (++row_count_ > kMaxTableRows) {
    as_it_stands_ = true;
    return;
  }
  if (rows_.size() < static_cast<size_t>(row_count_)) rows_.emplace_back();
  rows_[static_cast<size_t>(row_count_ - 1)].cells.clear();
}

void TableReading::RowEnd() {
  if (!in_table_) return Other();
  row_text_ += text_ + "<" + tag_ + ">";
  if (!row_open_) {
    as_it_stands_ = true;  // a row end without a row
    return;
  }
  TableRow* row = CurrentRow();
  row_open_ = false;
  if (row) row->empty = row_empty_;
  const bool drop = changes_.remove_empties && row_empty_ && row && row->remove;
  if (!drop) table_text_ += row_text_;
  row_text_.clear();
}

TableRow* TableReading::CurrentRow() {
  if (!row_open_ || row_count_ < 1 || row_count_ > kMaxTableRows) return nullptr;
  return &rows_[static_cast<size_t>(row_count_ - 1)];
}

void TableReading::DataCell() { Cell(true); }
void TableReading::HeaderCell() { Cell(false); }

void TableReading::Cell(bool is_td) {
  if (!in_table_) return Other();
  TableRow* row = nullptr;
  if (row_open_) {
    row = CurrentRow();
    if (++cell_count_ > kMaxRowCells) {
      as_it_stands_ = true;
      row = nullptr;
    }
  } else if (IsCellTag(tag_)) {
    as_it_stands_ = true;  // a cell outside a row would be lost
  }
  if (is_td && row_open_ && cell_count_ == 3 && changes_.set_width_100) {
    SetAttribute("WIDTH", "100%", tag_);
    changes_.set_width_100 = false;
    run_.LogLine("+++SetWidth100: " + page_);
  }
  const TableCell cell = ReadCellTag();
  if (cell.colspan > kMaxSpan || cell.rowspan > kMaxSpan) as_it_stands_ = true;
  if (row) row->cells.push_back(cell);
  row_text_ += text_ + "<" + tag_ + ">";
  ReadCellContent(is_td ? "/td" : "/th");
}

// The cell's spans and width. A COLSPAN="1" goes; on the second reading the first COLSPAN of
// each row loses the table's colspan reduction.
TableCell TableReading::ReadCellTag() {
  TableCell cell;
  const int colspan = PlainNumber(GetAttribute("COLSPAN", tag_));
  if (colspan >= 0) {
    cell.colspan = colspan;
    if (changes_.remove_colspans && first_colspan_open_) {
      first_colspan_open_ = false;
      const int reduced = colspan == 1 ? 1 : std::max(colspan - changes_.colspan_reduction, 1);
      SetAttribute("COLSPAN", reduced == 1 ? "" : std::to_string(reduced), tag_);
    } else if (colspan == 1) {
      SetAttribute("COLSPAN", "", tag_);
    }
  }
  const int rowspan = PlainNumber(GetAttribute("ROWSPAN", tag_));
  if (rowspan >= 0) cell.rowspan = rowspan;
  cell.width = WidthValue(GetAttribute("WIDTH", tag_));
  return cell;
}

// A cell that holds only blanks or "&nbsp;" up to its end tag leaves the row empty. Any other
// tag behind the cell is handled by the next step.
void TableReading::ReadCellContent(std::string_view end_tag) {
  if (!reader_.ReadTag(text_, tag_)) {
    row_text_ += text_;
    return;
  }
  if (!StartsWithNoCase(tag_, end_tag)) {
    row_empty_ = false;
    read_next_ = false;
    return;
  }
  TrimInPlace(text_);
  if (!text_.empty() && text_ != "&nbsp;") row_empty_ = false;
  row_text_ += text_ + "<" + tag_ + ">";
}

void TableReading::Script() { TakeThrough(&PageReader::TakeScript); }
void TableReading::Comment() { TakeThrough(&PageReader::TakeComment); }

void TableReading::TakeThrough(bool (PageReader::*take)(std::string&)) {
  std::string piece = text_ + "<" + tag_ + ">";
  (reader_.*take)(piece);
  if (in_table_) {
    row_text_ += piece;
  } else {
    out_.WriteOwnLine(piece);
  }
}

void TableReading::PageEndTag() {
  if (in_table_) {
    WriteTableAsItStands(reader_.TagStart());
    out_.WriteLine("<" + tag_ + ">");
  } else {
    out_.WriteLine(text_ + "<" + tag_ + ">");
  }
  done_ = true;
}

void TableReading::Rule() {
  const std::string rule = "<" + std::string(kRuleTag) + ">";
  if (in_table_) {
    row_text_ += text_ + rule;
  } else {
    out_.WriteText(text_);
    out_.WriteOwnLine(rule);
  }
}

void TableReading::Other() {
  if (in_table_) {
    row_text_ += text_ + "<" + tag_ + ">";
  } else {
    out_.WriteText(text_ + "<" + tag_ + ">");
  }
}

void TableReading::WriteTable() { out_.WriteText(table_text_ + text_ + "</table>"); }

// The table's page text from its "<" up to `end`, blanks folded, with one "!!!" line.
void TableReading::WriteTableAsItStands(size_t end) {
  run_.LogLine(kAsItStandsText + page_);
  LogPreview();
  const std::string_view page_text = reader_.PageText();
  end = std::max(table_start_, std::min(end, page_text.size()));
  // Its bytes unchanged: a folded or broken line would change an inline script.
  out_.WriteVerbatim(page_text.substr(table_start_, end - table_start_));
  in_table_ = false;
  second_reading_ = false;
  changes_ = GridCheck{};
}

void TableReading::LogPreview() {
  std::string preview;
  reader_.TextPreview(table_start_, preview);
  run_.LogLine(preview);
}

}  // namespace check_html
