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

// A group row showing `term`, with references [1], [2], ... to `links`.
std::string Row(const std::string& term, const std::vector<std::string>& links) {
  std::string row = "<TR>\r\n<TD WIDTH=\"300\"> " + term + " </TD> <TD>\r\n";
  for (std::size_t k = 1; k <= links.size(); ++k)
    row += "<A HREF=\"" + links[k - 1] + "\"> [" + std::to_string(k) + "]</A>, \r\n";
  return row + " </TD></TR>\r\n";
}

// A page of the other language inside a group is passed over without ending it; the letter rows
// follow the entries that pass; an initial above Z anchors the rest. The language lists write
// no entities and keep the chain. (Whole index lists: the sample site run.)
TEST_F(IndexList, EachLanguageListHoldsItsOwnTermsAndLetterRows) {
  AddAnchor("Energie", "d:/site/kap1_en/a.html");
  AddAnchor("Energie", Page("b"));
  AddAnchor("Energie", "d:/site/kap1_en/c.html");
  AddAnchor("Baum", "d:/site/kap1_en/e.html");
  AddAnchor(kUebergang, Page("d"));
  WriteLanguageIndex(run, kIndex, "_en", "_ge", false);
  WriteLanguageIndex(run, kIndex, "_en", "_en", true);
  EXPECT_EQ(Body("d:/site/check/zq_index_ge.html"),
            LetterBar() + LetterRow('A', 'E') + Row("Energie", {"../kap1/b.html#Energie"}) +
                LetterRow('F', 'Z') + Row(kUebergang, {"../kap1/d.html#" + kUebergang}) +
                "</TABLE>\r\n");
  EXPECT_EQ(Body("d:/site/check/zq_index_en.html"),
            LetterBar() + LetterRow('A', 'B') + Row("Baum", {"../kap1_en/e.html#Baum"}) +
                LetterRow('C', 'E') +
                Row("Energie", {"../kap1_en/c.html#Energie", "../kap1_en/a.html#Energie"}) +
                "</TABLE>\r\n");
  EXPECT_EQ(Items().Size(), 5u);
}

TEST_F(IndexList, KeepsEveryReferenceOfAGroupBeyondFortyNine) {
  std::vector<std::string> links;
  for (int n = 1; n <= 60; ++n) AddAnchor("Term", Page("p" + std::to_string(n)));
  for (int n = 60; n >= 1; --n) links.push_back("../kap1/p" + std::to_string(n) + ".html#Term");
  WriteIndexList(run, kIndex);
  EXPECT_EQ(Body(kIndexFile),
            LetterBar() + LetterRow('A', 'T') + Row("Term", links) + "</TABLE>\r\n");
}

// Names, abbreviations, translations and dated changes, a marker alone too, are not index
// terms: a chain of only those gives each list its letter bar and an empty table.
TEST_F(IndexList, PassesOverMarkedAnchorsAndMarkersAlone) {
  for (const char* name : {"!", "?", "$", "\xA7", "!Curie", "?ABC", "$010203x", "\xA7Gras"})
    AddAnchor(name, Page("a"));
  WriteLanguageIndex(run, kIndex, "_en", "_ge", false);
  WriteLanguageIndex(run, kIndex, "_en", "_EN", true);
  WriteIndexList(run, kIndex);
  for (const char* file :
       {"d:/site/check/zq_index_ge.html", "d:/site/check/zq_index_EN.html", kIndexFile})
    EXPECT_EQ(Body(file), LetterBar() + "</TABLE>\r\n") << file;
  EXPECT_TRUE(Items().Empty());  // the index list frees the chain, the language lists keep it
}

}  // namespace
}  // namespace check_html
