#include "lists/index_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_run.h"

namespace check_html {
namespace {

using IndexList = ListTest;

constexpr const char* kIndex = "d:\\site\\check\\zq_index.html";
constexpr const char* kIndexFile = "d:/site/check/zq_index.html";
const std::string kUebergang = std::string("\xDC") + "bergang";

std::string Page(const std::string& name) { return "d:/site/kap1/" + name + ".html"; }

// A left cell showing `term`, linked when `link` is given.
std::string Cell(const std::string& term, const std::string& link = "") {
  return "<TD WIDTH=\"300\"> " +
         (link.empty() ? term : "<A HREF=\"" + link + "\">" + term + "</A>") + " </TD> <TD>";
}

// A group row with references [1], [2], ... to `links`.
std::string Row(const std::string& cell, const std::vector<std::string>& links) {
  std::string row = "<TR>\r\n" + cell + "\r\n";
  for (std::size_t k = 1; k <= links.size(); ++k)
    row += "<A HREF=\"" + links[k - 1] + "\"> [" + std::to_string(k) + "]</A>, \r\n";
  return row + " </TD></TR>\r\n";
}

TEST_F(IndexList, EmptyChainGivesTheLetterBarAndAnEmptyTableInEachFileUnderItsTitle) {
  lists.WriteLanguageIndex(kIndex, "_en", "_ge", false);
  lists.WriteLanguageIndex(kIndex, "_en", "_EN", true);
  lists.WriteIndexList(kIndex);
  for (const auto& [file, title] : {std::pair{"d:/site/check/zq_index_ge.html", "Indexliste"},
                                    std::pair{"d:/site/check/zq_index_EN.html", "Indexlist"},
                                    std::pair{kIndexFile, "Indexliste"}}) {
    EXPECT_EQ(Body(file), LetterBar() + "</TABLE>\r\n") << file;
    EXPECT_NE(Written(file).find(std::string("<TITLE>") + title + "</TITLE>"), std::string::npos);
  }
  EXPECT_EQ(front_end.Events().front(), "status Speichere File d:\\site\\check\\zq_index_ge.html");
}

// The latest place of a term comes first. Terms equal ignoring case share a row whose left cell
// shows the last item with an Href, linked to it. Letters without entries join the next letter
// row; an initial above Z anchors the rest. The index list writes entities and frees the chain.
TEST_F(IndexList, GroupsEqualKeysUnderLetterRows) {
  AddAnchor("Chemie", Page("a"));
  AddAnchor("energie", Page("c"), "d:/site/kap2/x.html", "y");
  AddAnchor("Energie", Page("a"));
  AddAnchor("Energie", Page("b"));
  AddAnchor("Tal", Page("a"), "d:/site/t.html");
  AddAnchor(kUebergang, Page("a"));
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(
      Body(kIndexFile),
      LetterBar() + LetterRow('A', 'C') + Row(Cell("Chemie"), {"../kap1/a.html#Chemie"}) +
          LetterRow('D', 'E') +
          Row(Cell("energie", "../kap2/x.html#y"),
              {"../kap1/b.html#Energie", "../kap1/a.html#Energie", "../kap1/c.html#energie"}) +
          LetterRow('F', 'T') + Row(Cell("Tal", "../t.html"), {"../kap1/a.html#Tal"}) +
          LetterRow('U', 'Z') + Row(Cell("&Uuml;bergang"), {"../kap1/a.html#" + kUebergang}) +
          "</TABLE>\r\n");
  EXPECT_TRUE(Items().Empty());
}

// A page of the other language inside a group is passed over without ending it; the letter rows
// follow the entries that pass. The language lists write no entities and keep the chain.
TEST_F(IndexList, EachLanguageListHoldsItsOwnTermsAndLetterRows) {
  AddAnchor("Energie", "d:/site/kap1_en/a.html");
  AddAnchor("Energie", Page("b"));
  AddAnchor("Energie", "d:/site/kap1_en/c.html");
  AddAnchor("Baum", "d:/site/kap1_en/e.html");
  AddAnchor(kUebergang, Page("d"));
  lists.WriteLanguageIndex(kIndex, "_en", "_ge", false);
  lists.WriteLanguageIndex(kIndex, "_en", "_en", true);
  EXPECT_EQ(Body("d:/site/check/zq_index_ge.html"),
            LetterBar() + LetterRow('A', 'E') + Row(Cell("Energie"), {"../kap1/b.html#Energie"}) +
                LetterRow('F', 'Z') + Row(Cell(kUebergang), {"../kap1/d.html#" + kUebergang}) +
                "</TABLE>\r\n");
  EXPECT_EQ(Body("d:/site/check/zq_index_en.html"),
            LetterBar() + LetterRow('A', 'B') + Row(Cell("Baum"), {"../kap1_en/e.html#Baum"}) +
                LetterRow('C', 'E') +
                Row(Cell("Energie"), {"../kap1_en/c.html#Energie", "../kap1_en/a.html#Energie"}) +
                "</TABLE>\r\n");
  EXPECT_EQ(Items().Size(), 5u);
}

TEST_F(IndexList, KeepsEveryReferenceOfAGroupBeyondFortyNine) {
  std::vector<std::string> links;
  for (int n = 1; n <= 60; ++n) AddAnchor("Term", Page("p" + std::to_string(n)));
  for (int n = 60; n >= 1; --n) links.push_back("../kap1/p" + std::to_string(n) + ".html#Term");
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(Body(kIndexFile),
            LetterBar() + LetterRow('A', 'T') + Row(Cell("Term"), links) + "</TABLE>\r\n");
}

// Names, abbreviations, translations and dated changes, a marker alone too, are not index terms.
TEST_F(IndexList, PassesOverMarkedAnchorsAndMarkersAlone) {
  for (const char* name : {"!", "?", "$", "\xA7", "!Curie", "?ABC", "$010203x", "\xA7Gras", "Feld"})
    AddAnchor(name, Page("a"));
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(Body(kIndexFile), LetterBar() + LetterRow('A', 'F') +
                                  Row(Cell("Feld"), {"../kap1/a.html#Feld"}) + "</TABLE>\r\n");
}

}  // namespace
}  // namespace check_html
