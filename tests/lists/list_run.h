// Test set-up for the list passes: the in-memory run of the report tests, with a second run
// object whose list passes are callable and whose chain the test fills.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "../site/report_run.h"
#include "site/item_chain.h"

namespace check_html {

class ListRun : public THTML_Thread {
 public:
  using THTML_Thread::THTML_Thread;
  using THTML_Thread::WriteAbbrevList, THTML_Thread::WriteTranslList, THTML_Thread::WriteNameList;
  using THTML_Thread::WriteIndexList, THTML_Thread::WriteLanguageIndex;
  using THTML_Thread::WriteNewsList;
};

class ListTest : public ReportTest {
 protected:
  ListTest() {
    lists.SaveDir = run.SaveDir;
    lists.SaveProjectname = run.SaveProjectname;
    lists.Database = std::make_unique<SiteDatabase>();
  }

  ItemChain& Items() { return lists.Database->Items(); }

  // Inserts an anchor named `name` found in the page `file`, with its own HREF when given.
  void AddAnchor(std::string name, std::string file, std::string href = "",
                 std::string fragment = "") {
    Items().InsertItem(
        Item{std::move(name), "", std::move(fragment), "", std::move(href), std::move(file)});
  }

  ListRun lists{front_end, files};
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
