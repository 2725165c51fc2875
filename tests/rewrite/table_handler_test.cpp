#include "rewrite/table_handler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_fixture.h"

namespace check_html {
namespace {

using TableHandler = RewriteTest;

size_t CountOf(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

// What the page offers after the handler returned.
std::string NextText(PageReader& reader) {
  std::string text, tag;
  reader.ReadTag(text, tag);
  return text;
}

TEST_F(TableHandler, ClosesOpenRowsAndCarriesNoWrapToCellsThatSayNothingOfIt) {
  Load("<tr><td>a<td nowrap>b<tr><TD>c</table>tail</HTML>");
  HandleTable(page, "table nowrap=\"nowrap\"");
  EXPECT_EQ(Output(),
            "<table nowrap=\"nowrap\">\n<tr><td nowrap=\"nowrap\">a<td nowrap>b</TR><tr>"
            "<TD nowrap=\"nowrap\">c</TR>\n</table>\n");
  EXPECT_EQ(NextText(run.Reader), "tail");
}

TEST_F(TableHandler, BaselineRowsAlignToTheTopOnlyInConverterPages) {
  for (const auto& [converter, row] :
       {std::pair{true, "<tr style=\"vertical-align:top;\">"},
        std::pair{false, "<tr style=\"Vertical-Align:Baseline;\">"}}) {
    options.tex_html = converter;
    Load("<tr style=\"Vertical-Align:Baseline;\"></tr></table></HTML>");
    EXPECT_EQ(Fresh([&] { HandleTable(page, "table"); }),
              std::string("<table>\n") + row + "</tr>\n</table>\n");
  }
}

// The inner table closes its own row; the outer row stays open until the outer table goes on.
TEST_F(TableHandler, NestedTablesAnchorsCommentsAndCrossReferencesAreHandledInside) {
  Load("<tr><td><table><tr><td><a href=\"X.HTM\">x</a></table><!-- a > b -->"
       "<mtext xlink:href=\"#e1\">y</mtext><tr><td>z</table></HTML>");
  HandleTable(page, "table");
  EXPECT_EQ(Output(),
            "<table>\n<tr><td>\n<table>\n<tr><td><a NAME=\"_dum_1\" HREF=\"x.html\">x</a></TR>\n"
            "</table>\n<!-- a> b --><mtext xlink:href=\"#e1\">y</mtext></TR><tr><td>z</TR>\n"
            "</table>\n");
  EXPECT_EQ(run.RefList, (std::vector<std::string>{"X.HTM", "page"}));
}

TEST_F(TableHandler, PageEndInsideATableEndsTheHandler) {
  Load("<tr><td>a</HTML>");
  HandleTable(page, "table");
  EXPECT_EQ(Output(), "<table>\n<tr><td>a</HTML>");
  EXPECT_TRUE(run.Reader.AtPageEnd());
}

// Hostile nesting: the handler goes 100 tables deep, copies the rest as read and logs it once.
TEST_F(TableHandler, TablesBeyondTheDepthBoundAreCopiedThroughUnchanged) {
  const size_t depth = 100000;
  std::string page_text = "<tr><td>";
  for (size_t i = 1; i < depth; ++i) page_text += "<table>\n<tr><td>";
  page_text += "x";
  for (size_t i = 0; i < depth; ++i) page_text += "</table>\n";
  Load(page_text + "after</HTML>");
  HandleTable(page, "table");

  const std::string out = Output();
  EXPECT_EQ(CountOf(out, "<table>"), depth);
  EXPECT_EQ(CountOf(out, "</table>"), depth);
  EXPECT_EQ(CountOf(out, "</TR>"), size_t{kMaxTableDepth});  // rows closed by handled tables only
  EXPECT_EQ(NextText(run.Reader), " after");
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"log !!!Tables nested deeper than 100 copied unchanged in "
                                     "d:/site/kap01/page.html"});
}

}  // namespace
}  // namespace check_html
