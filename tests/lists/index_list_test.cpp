#include "lists/index_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_run.h"

namespace check_html {
namespace {

using IndexList = ListTest;

constexpr const char* kIndex = "d:\\site\\check\\zq_index.html";
const std::string kUebergang = std::string("\xDC") + "bergang";

// A group row: the left cell, then reference k to page pages[k-1] in kap1 with anchor `name`.
std::string Row(const std::string& left, const std::string& name,
                const std::vector<std::string>& pages) {
  std::string row = "<TR>\r\n" + left + "\r\n";
  for (std::size_t k = 1; k <= pages.size(); ++k)
    row += "<A HREF=\"../kap1/" + pages[k - 1] + ".html#" + name + "\"> [" + std::to_string(k) +
           "]</A>, \r\n";
  return row + " </TD></TR>\r\n";
}

std::string Plain(const std::string& term) { return "<TD WIDTH=\"300\"> " + term + " </TD> <TD>"; }

std::string Page(const std::string& name) { return "d:/site/kap1/" + name + ".html"; }

TEST_F(IndexList, EmptyChainGivesTheLetterBarAndAnEmptyTableInEachFileUnderItsTitle) {
  lists.WriteLanguageIndex(kIndex, "_en", "_ge", false);
  lists.WriteLanguageIndex(kIndex, "_en", "_EN", true);
  lists.WriteIndexList(kIndex);
  for (const auto& [file, title] : {std::pair{"d:/site/check/zq_index_ge.html", "Indexliste"},
                                    std::pair{"d:/site/check/zq_index_EN.html", "Indexlist"},
                                    std::pair{"d:/site/check/zq_index.html", "Indexliste"}}) {
    EXPECT_EQ(Body(file), LetterBar() + "</TABLE>\r\n") << file;
    EXPECT_NE(Written(file).find(std::string("<TITLE>") + title + "</TITLE>"), std::string::npos);
    EXPECT_NE(Written(file).find(std::string("<H1>") + title + "</H1>"), std::string::npos);
  }
  EXPECT_EQ(front_end.Events().front(), "status Speichere File d:\\site\\check\\zq_index_ge.html");
}

// The crawl puts the latest place of a term first; the index list releases the chain.
TEST_F(IndexList, ListsATermOnceWithTheLatestPlaceFirst) {
  AddAnchor("Energie", Page("a"));
  AddAnchor("Energie", Page("b"));
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(Body("d:/site/check/zq_index.html"), LetterBar() + LetterRow('A', 'E') +
                                                     Row(Plain("Energie"), "Energie", {"b", "a"}) +
                                                     "</TABLE>\r\n");
  EXPECT_TRUE(Items().Empty());
}

// The left cell shows the first item of the group, or the last one with an Href, linked to it.
TEST_F(IndexList, TermsEqualIgnoringCaseShareARowShowingTheLastTermWithAnHref) {
  AddAnchor("energie", Page("a"));
  AddAnchor("Energie", Page("b"), "d:/site/kap2/x.html", "y");
  AddAnchor("ENERGIE", Page("c"));
  AddAnchor("Feld", Page("a"));
  AddAnchor("Zahl", Page("d"), "d:/site/z.html");
  lists.WriteIndexList(kIndex);
  const std::string energie =
      "<TD WIDTH=\"300\"> <A HREF=\"../kap2/x.html#y\">Energie</A> </TD> <TD>";
  const std::string zahl = "<TD WIDTH=\"300\"> <A HREF=\"../z.html\">Zahl</A> </TD> <TD>";
  std::string expected = LetterBar() + LetterRow('A', 'E');
  expected += "<TR>\r\n" + energie + "\r\n<A HREF=\"../kap1/c.html#ENERGIE\"> [1]</A>, \r\n" +
              "<A HREF=\"../kap1/b.html#Energie\"> [2]</A>, \r\n" +
              "<A HREF=\"../kap1/a.html#energie\"> [3]</A>, \r\n </TD></TR>\r\n";
  expected += LetterRow('F', 'F') + Row(Plain("Feld"), "Feld", {"a"});
  expected += LetterRow('G', 'Z') + Row(zahl, "Zahl", {"d"}) + "</TABLE>\r\n";
  EXPECT_EQ(Body("d:/site/check/zq_index.html"), expected);
}

// The first letter row holds every letter up to the first initial; an initial above Z in byte
// order writes the letters still missing. Only the index list writes entities.
TEST_F(IndexList, LettersUpToEachInitialAndUmlautsAfterZ) {
  for (const std::string& term :
       {std::string("3D"), std::string("Chemie"), std::string("Tal"), kUebergang})
    AddAnchor(term, Page("a"));
  lists.WriteLanguageIndex(kIndex, "_en", "_ge", false);
  lists.WriteIndexList(kIndex);
  const auto body = [](const std::string& uebergang) {
    return LetterBar() + Row(Plain("3D"), "3D", {"a"}) + LetterRow('A', 'C') +
           Row(Plain("Chemie"), "Chemie", {"a"}) + LetterRow('D', 'T') +
           Row(Plain("Tal"), "Tal", {"a"}) + LetterRow('U', 'Z') +
           Row(Plain(uebergang), kUebergang, {"a"}) + "</TABLE>\r\n";
  };
  EXPECT_EQ(Body("d:/site/check/zq_index_ge.html"), body(kUebergang));
  EXPECT_EQ(Body("d:/site/check/zq_index.html"), body("&Uuml;bergang"));
}

// A page of the other language inside a group is passed over without ending it; the letter rows
// follow the entries that pass. The language lists leave the chain as it was.
TEST_F(IndexList, EachLanguageListHoldsItsOwnTermsAndLetterRows) {
  AddAnchor("Energie", "d:/site/kap1_en/a.html");
  AddAnchor("Energie", Page("b"));
  AddAnchor("Energie", "d:/site/kap1_en/c.html");
  AddAnchor("Apfel", Page("d"));
  AddAnchor("Baum", "d:/site/kap1_en/e.html");
  lists.WriteLanguageIndex(kIndex, "_en", "_ge", false);
  lists.WriteLanguageIndex(kIndex, "_en", "_en", true);
  EXPECT_EQ(Body("d:/site/check/zq_index_ge.html"),
            LetterBar() + LetterRow('A', 'A') + Row(Plain("Apfel"), "Apfel", {"d"}) +
                LetterRow('B', 'E') + Row(Plain("Energie"), "Energie", {"b"}) + "</TABLE>\r\n");
  EXPECT_EQ(Body("d:/site/check/zq_index_en.html"),
            LetterBar() + LetterRow('A', 'B') + "<TR>\r\n" + Plain("Baum") +
                "\r\n<A HREF=\"../kap1_en/e.html#Baum\"> [1]</A>, \r\n" + " </TD></TR>\r\n" +
                LetterRow('C', 'E') + "<TR>\r\n" + Plain("Energie") +
                "\r\n<A HREF=\"../kap1_en/c.html#Energie\"> [1]</A>, \r\n" +
                "<A HREF=\"../kap1_en/a.html#Energie\"> [2]</A>, \r\n </TD></TR>\r\n</TABLE>\r\n");
  EXPECT_EQ(Items().Size(), 5u);
}

TEST_F(IndexList, KeepsEveryReferenceOfAGroupBeyondFortyNine) {
  std::vector<std::string> pages;
  for (int n = 60; n >= 1; --n) pages.push_back("p" + std::to_string(n));
  for (auto page = pages.rbegin(); page != pages.rend(); ++page) AddAnchor("Term", Page(*page));
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(Body("d:/site/check/zq_index.html"),
            LetterBar() + LetterRow('A', 'T') + Row(Plain("Term"), "Term", pages) + "</TABLE>\r\n");
}

// Names, abbreviations, translations and dated changes, even a marker alone, are not index terms.
TEST_F(IndexList, PassesOverMarkedAnchorsAndMarkersAlone) {
  for (const char* name : {"!", "?", "$", "\xA7", "!Curie", "?ABC", "$010203x", "\xA7Gras", "Feld"})
    AddAnchor(name, Page("a"));
  lists.WriteIndexList(kIndex);
  EXPECT_EQ(Body("d:/site/check/zq_index.html"),
            LetterBar() + LetterRow('A', 'F') + Row(Plain("Feld"), "Feld", {"a"}) + "</TABLE>\r\n");
}

}  // namespace
}  // namespace check_html
