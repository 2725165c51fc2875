// One row of a list table: a term in the left cell, then numbered links [1], [2], ... to every
// place where the term stands. A row holds any number of references.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "site/report_page.h"

namespace check_html {

struct Item;

class GroupRow {
 public:
  // `save_dir` is the folder the list is written to; the links are relative to it.
  explicit GroupRow(std::string save_dir) : save_dir_(std::move(save_dir)) {}

  // Sets the left cell to `text`, linked to the item's Href (and its Fragment after "#") when
  // it has one, plain text when not.
  void SetLeftCell(const Item& item, std::string_view text);
  // Adds the next numbered reference: a link to the item's page and its anchor Name.
  void AddReference(const Item& item);
  // Writes "<TR>", the left cell, one line per reference and " </TD></TR>", and starts the
  // next row empty.
  void Write(ReportText& page);

 private:
  std::string save_dir_;
  std::string left_cell_;
  ReportText references_;
  int count_ = 0;
};

}  // namespace check_html
