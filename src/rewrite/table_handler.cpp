// Inside a table the handler reads on by itself: it closes rows the page left open, carries the
// table's no-wrap setting down to its cells, turns the converter's baseline row alignment into top
// alignment, and hands anchors, images and comments to their handlers. Each nested table has its
// own row state.
#include "rewrite/table_handler.h"

#include <string_view>

#include "html/attributes.h"
#include "html/text_scan.h"
#include "platform/case_map.h"
#include "rewrite/anchor_handler.h"
#include "rewrite/image_handler.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

// Copies a table nested too deep, from its tag through its matching end tag (or the page end),
// as it is read; tables inside it are counted, not entered, so the stack does not grow.
void CopyTableThrough(PageRewrite& page, const std::string& table_tag) {
  page.run.LogLine("!!!Tables nested deeper than " + std::to_string(kMaxTableDepth) +
                   " copied unchanged in " + page.SourceName);
  page.writer.WriteText("<" + table_tag + ">");
  std::string text, tag;
  for (size_t open = 1; open > 0;) {
    if (!page.reader.ReadTag(text, tag)) {
      page.writer.WriteText(text);
      return;
    }
    std::string piece = text + "<" + tag + ">";
    if (StartsWithNoCase(tag, "!--")) {
      page.reader.TakeComment(piece);
    } else if (StartsWithNoCase(tag, "table")) {
      ++open;
    } else if (StartsWithNoCase(tag, "/table")) {
      --open;
    }
    page.writer.WriteText(piece);
  }
}

class TableRewrite {
 public:
  TableRewrite(PageRewrite& page, int depth) : page_(page), out_(page.writer), depth_(depth) {}

  // Writes the table tag on a line of its own, then reads through the table's end tag or to the
  // page end.
  void Run(const std::string& table_tag);

 private:
  // An action returns false when the table has ended.
  using Action = bool (TableRewrite::*)();
  bool NestedTable();
  bool RowStart();
  bool RowEnd();
  bool TableEnd();
  bool Cell();
  bool Anchor();
  bool Image();
  bool MathText();
  bool Comment();
  bool Other();
  void CloseOpenRow();

  PageRewrite& page_;
  PageWriter& out_;
  const int depth_;
  bool no_wrap_ = false;
  bool row_open_ = false;
  std::string text_, tag_;
};

void TableRewrite::Run(const std::string& table_tag) {
  struct Row {
    std::string_view prefix;
    Action action;
  };
  // Tried in order; the first row whose prefix begins the tag (ignoring case) handles it.
  static constexpr Row kRows[] = {
      {"table", &TableRewrite::NestedTable}, {"tr", &TableRewrite::RowStart},
      {"/tr", &TableRewrite::RowEnd},        {"/table", &TableRewrite::TableEnd},
      {"td", &TableRewrite::Cell},           {"a ", &TableRewrite::Anchor},
      {"img ", &TableRewrite::Image},        {"mtext", &TableRewrite::MathText},
      {"!--", &TableRewrite::Comment},
  };
  no_wrap_ = GetAttribute("nowrap", table_tag) == "nowrap";
  out_.WriteOwnLine("<" + table_tag + ">");
  while (page_.reader.ReadTag(text_, tag_)) {
    Action action = &TableRewrite::Other;
    for (const Row& row : kRows) {
      if (StartsWithNoCase(tag_, row.prefix)) {
        action = row.action;
        break;
      }
    }
    if (!(this->*action)()) return;
  }
  out_.WriteText(text_);  // the page ended inside the table
}

void TableRewrite::CloseOpenRow() {
  if (row_open_) out_.WriteText("</TR>");
  row_open_ = false;
}

bool TableRewrite::NestedTable() {
  out_.WriteText(text_);
  if (depth_ >= kMaxTableDepth) {
    CopyTableThrough(page_, tag_);
  } else {
    TableRewrite(page_, depth_ + 1).Run(tag_);
  }
  return true;
}

bool TableRewrite::RowStart() {
  out_.WriteText(text_);
  CloseOpenRow();
  if (page_.run.Opts.tex_html && tag_.size() >= 3 &&
      EqualNoCase(GetAttribute("style", tag_), "vertical-align:baseline;")) {
    SetAttribute("style", "vertical-align:top;", tag_);
  }
  out_.WriteText("<" + tag_ + ">");
  row_open_ = true;
  return true;
}

bool TableRewrite::RowEnd() {
  out_.WriteText(text_ + "<" + tag_ + ">");
  row_open_ = false;
  return true;
}

bool TableRewrite::TableEnd() {
  out_.WriteText(text_);
  CloseOpenRow();
  out_.WriteOwnLine("<" + tag_ + ">");
  return false;
}

// A cell that says nothing about wrapping gets the table's no-wrap setting.
bool TableRewrite::Cell() {
  out_.WriteText(text_);
  if (no_wrap_ && FindNoCase(tag_, "nowrap") == std::string_view::npos) {
    tag_ += " nowrap=\"nowrap\"";
  }
  out_.WriteText("<" + tag_ + ">");
  return true;
}

bool TableRewrite::Anchor() {
  HandleAnchor(page_, text_, tag_);
  return true;
}

bool TableRewrite::Image() {
  out_.WriteText(text_);
  HandleImage(page_, tag_);
  return true;
}

// A cross-reference element names the page's PDF in the reference list.
bool TableRewrite::MathText() {
  out_.WriteText(text_);
  out_.WriteText("<" + tag_ + ">");
  if (!GetAttribute("xlink:href", tag_).empty()) page_.run.RefList.push_back(page_.PdfBase);
  return true;
}

bool TableRewrite::Comment() {
  std::string comment = text_ + "<" + tag_ + ">";
  page_.reader.TakeComment(comment);
  out_.WriteText(comment);
  return true;
}

bool TableRewrite::Other() {
  out_.WriteText(text_ + "<" + tag_ + ">");
  return true;
}

}  // namespace

void HandleTable(PageRewrite& page, const std::string& tag) { TableRewrite(page, 1).Run(tag); }

}  // namespace check_html
