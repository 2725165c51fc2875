// Test set-up for the list passes: the in-memory run context of the report tests, whose anchor
// chain the test fills.
#pragma once

#include <string>
#include <utility>

#include "../site/report_run.h"
#include "lists/index_list.h"
#include "lists/news_list.h"
#include "lists/term_lists.h"
#include "site/item_chain.h"

namespace check_html {

class ListTest : public ReportTest {
 protected:
  ItemChain& Items() { return database.Items(); }

  // Inserts an anchor named `name` found in the page `file`, with its own HREF when given.
  void AddAnchor(std::string name, std::string file, std::string href = "",
                 std::string fragment = "") {
    Items().InsertItem(
        Item{std::move(name), "", std::move(fragment), "", std::move(href), std::move(file)});
  }
};

// The letter bar of a list page with the table start that follows it.
inline std::string LetterBar() {
  std::string bar = "<P><B>";
  for (char x = 'A'; x <= 'Z'; ++x)
    bar += std::string("<A HREF=\"#_") + x + "anc\">" + x + ",</A>\r\n";
  return bar + "</B></P>\r\n<TABLE BORDER=\"1\">\r\n";
}

// A letter row anchoring the letters `first` to `last`.
inline std::string LetterRow(char first, char last) {
  std::string row = "<TR><TD COLSPAN=\"2\"><B>";
  for (char x = first; x <= last; ++x)
    row += std::string("<A NAME=\"_") + x + "anc\">" + x + ",</A>";
  return row + "</B></TD></TR>\r\n";
}

}  // namespace check_html
