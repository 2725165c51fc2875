#include "lists/group_row.h"

#include "site/item_chain.h"
#include "site/link_functions.h"

namespace check_html {

void GroupRow::SetLeftCell(const Item& item, std::string_view text) {
  left_cell_ = "<TD WIDTH=\"300\"> ";
  if (item.Href.empty()) {
    left_cell_ += text;
  } else {
    const std::string target = item.Fragment.empty() ? item.Href : item.Href + "#" + item.Fragment;
    left_cell_ += "<A HREF=\"";
    left_cell_ += ReportLink(target, save_dir_);
    left_cell_ += "\">";
    left_cell_ += text;
    left_cell_ += "</A>";
  }
  left_cell_ += " </TD> <TD>";
}

void GroupRow::AddReference(const Item& item) {
  references_.Add("<A HREF=\"");
  references_.Add(ReportLink(item.File, save_dir_));
  references_.Add("#");
  references_.Add(item.Name);
  references_.Add("\"> [");
  references_.Add(std::to_string(++count_));
  references_.AddLine("]</A>, ");
}

void GroupRow::Write(ReportText& page) {
  page.AddLine("<TR>");
  page.AddLine(left_cell_);
  page.Add(references_.Bytes());
  page.AddLine(" </TD></TR>");
  left_cell_.clear();
  references_ = ReportText();
  count_ = 0;
}

}  // namespace check_html
