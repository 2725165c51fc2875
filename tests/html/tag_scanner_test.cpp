#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/page_reader.h"

namespace check_html {
namespace {

// Every ReadTag result of a page as "text|tag", or "text|-" when no tag was read.
std::vector<std::string> ScanAll(PageReader& reader) {
  std::vector<std::string> stream;
  std::string text;
  std::string tag = "stale";
  while (!reader.AtPageEnd()) {
    const bool read = reader.ReadTag(text, tag);
    stream.push_back(text + "|" + (read ? tag : "-"));
  }
  return stream;
}

TEST(TagScanner, ScansAWholePageIntoFoldedTextRunsAndTrimmedTags) {
  PageReader reader;
  reader.LoadText(
      "<HTML>\n<HEAD><TITLE>Kap 1  \xC4nderungen</TITLE></HEAD>\r\n<BODY BGCOLOR=\"white\">\n"
      "Some\n  words <a   href=\"x.html\"\n>more</a>\t\ttab\n</BODY></HTML>\nafter");
  const std::vector<std::string> expected = {
      "|HTML", " |HEAD", "|TITLE", "Kap 1 \xC4nderungen|/TITLE", "|/HEAD",
      " |BODY BGCOLOR=\"white\"", " Some words |a href=\"x.html\"", "more|/a",
      "\t\ttab |/BODY", "|/HTML",
      " a|-"};  // the page ends two bytes behind its closing tag
  EXPECT_EQ(ScanAll(reader), expected);
}

TEST(TagScanner, LeavesTheCallersTagAndReportsNoTagAtThePageEnd) {
  PageReader reader;
  reader.LoadText("<p>tail  end</html>");
  std::string text;
  std::string tag;
  ASSERT_TRUE(reader.ReadTag(text, tag));
  ASSERT_TRUE(reader.ReadTag(text, tag));
  EXPECT_EQ(tag, "/html");
  EXPECT_FALSE(reader.ReadTag(text, tag));
  EXPECT_EQ(text, "");
  EXPECT_EQ(tag, "/html");
  EXPECT_TRUE(reader.AtPageEnd());
}

TEST(TagScanner, FoldsOnlySpaceLineFeedAndReturnAndTrimsControlBytesFromTags) {
  PageReader reader;
  reader.LoadText("x \t\r\n y<\x01 a\t\tb \r\n c \x02></html>");
  std::string text;
  std::string tag;
  ASSERT_TRUE(reader.ReadTag(text, tag));
  EXPECT_EQ(text, "x \t y");
  EXPECT_EQ(tag, "a\t\tb c");
}

TEST(TagScanner, NeverOpensATagWithACurlyBracketButReadTagAtDoes) {
  PageReader reader;
  reader.LoadText("a<}b<i>c</html>");
  std::string text;
  std::string tag;
  size_t pos = 0;
  ASSERT_TRUE(reader.ReadTagAt(text, tag, pos));
  EXPECT_EQ(text + "|" + tag, "a|}b<i");
  EXPECT_EQ(pos, 7u);
  EXPECT_EQ(reader.TagStart(), 1u);
  EXPECT_EQ(reader.PagePos(), 0u);  // ReadTagAt works on the caller's position only

  ASSERT_TRUE(reader.ReadTag(text, tag));
  EXPECT_EQ(text + "|" + tag, "a}b|i");
  EXPECT_EQ(reader.TagStart(), 4u);
}

TEST(TagScanner, ReadTagRawKeepsBlanksTrimsBothAndLeavesTagStart) {
  PageReader reader;
  reader.LoadText("  Some\n  words <a   href=\"x\"\n>more</html>");
  std::string text;
  std::string tag;
  ASSERT_TRUE(reader.ReadTagRaw(text, tag));
  EXPECT_EQ(text, "Some\n  words");
  EXPECT_EQ(tag, "a   href=\"x\"");
  EXPECT_EQ(reader.TagStart(), 0u);
  EXPECT_EQ(reader.PageText().substr(reader.PagePos(), 4), "more");
}

TEST(TagScanner, SkipsCommentsAndDeclarationsGatheringTheirTextRuns) {
  PageReader reader;
  reader.LoadText("t1<!-- c1 -->t2<!DOCTYPE x>t3<P>rest</html>");
  std::string text;
  std::string tag;
  ASSERT_TRUE(reader.ReadTagSkipComments(text, tag));
  EXPECT_EQ(text + "|" + tag, "t1t2t3|P");
}

TEST(TagScanner, SkippingCommentsStopsAtThePageEnd) {
  PageReader reader;
  reader.LoadText("x<!-- </HTML> -->");  // the page ends inside the comment
  std::string text;
  std::string tag;
  EXPECT_FALSE(reader.ReadTagSkipComments(text, tag));
  EXPECT_EQ(text + "|" + tag, "x -|!-- </HTML");
  EXPECT_TRUE(reader.AtPageEnd());
}

TEST(TagScanner, TextPreviewListsNonBlankRunsUpToItsLimits) {
  struct Case {
    std::string page;
    std::string preview;
  };
  std::string twelve_cells;
  for (int i = 1; i <= 12; ++i) twelve_cells += "<TD>c" + std::to_string(i) + "</TD>";
  const std::string long_run(200, 'w');
  const Case cases[] = {
      {"<TR><TD>a</TD><TD> </TD><TD>b</TD></TR>", " | a | b"},
      {twelve_cells, " | c1 | c2 | c3 | c4 | c5 | c6 | c7 | c8 | c9 | c10"},
      {"<TD>" + long_run + "</TD><TD>x</TD>", " | " + long_run},
      {"<TD> a  b </TD>", " |  a b "},  // the run as read, folded
  };
  for (const Case& c : cases) {
    PageReader reader;
    reader.LoadText(c.page + "</html>");
    std::string preview = "old";
    reader.TextPreview(0, preview);
    EXPECT_EQ(preview, c.preview) << c.page;
    EXPECT_EQ(reader.PagePos(), 0u);
  }
}

}  // namespace
}  // namespace check_html
