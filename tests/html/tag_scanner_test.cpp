#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/page_reader.h"

namespace check_html {
namespace {

enum class Scan { kTag, kRaw, kSkipComments };

// Every result of one scanner function over the page: "text|tag" for a tag read, and
// "text|-tag" (the tag as the call left it) for a call that read none. Alongside ReadTag,
// ReadTagOnly must read the same tags and move to the same positions.
std::vector<std::string> ScanAll(const std::string& page, Scan scan) {
  PageReader reader;
  PageReader tags_only;
  reader.LoadText(page);
  tags_only.LoadText(page);
  std::vector<std::string> stream;
  std::string text;
  std::string tag = "stale";
  std::string tag_only;
  while (!reader.AtPageEnd()) {
    const bool read = scan == Scan::kTag ? reader.ReadTag(text, tag)
                      : scan == Scan::kRaw ? reader.ReadTagRaw(text, tag)
                                           : reader.ReadTagSkipComments(text, tag);
    stream.push_back(text + (read ? "|" : "|-") + tag);
    if (scan != Scan::kTag) continue;
    EXPECT_EQ(tags_only.ReadTagOnly(tag_only), read) << page;
    if (read) {
      EXPECT_EQ(tag_only, tag) << page;
    }
    EXPECT_EQ(tags_only.PagePos(), reader.PagePos()) << page;
    EXPECT_EQ(tags_only.TagStart(), reader.TagStart()) << page;
  }
  return stream;
}

TEST(TagScanner, ReturnsTheWholeStreamOfTextRunsAndTagsOfAPage) {
  const struct {
    const char* what;
    Scan scan;
    std::string page;
    std::vector<std::string> stream;
  } cases[] = {
      {"folded text, trimmed tags, two bytes read behind the closing tag", Scan::kTag,
       "<HTML>\n<HEAD><TITLE>Kap 1  \xC4nderungen</TITLE></HEAD>\r\n<BODY BGCOLOR=\"white\">\n"
       "Some\n  words <a   href=\"x.html\"\n>more</a>\t\ttab\n</BODY></HTML>\nafter",
       {"|HTML", " |HEAD", "|TITLE", "Kap 1 \xC4nderungen|/TITLE", "|/HEAD",
        " |BODY BGCOLOR=\"white\"", " Some words |a href=\"x.html\"", "more|/a",
        "\t\ttab |/BODY", "|/HTML", " a|-/HTML"}},
      {"only space, line feed and return fold; control bytes trimmed from tags", Scan::kTag,
       "x \t\r\n y<\x01 a\t\tb \r\n c \x02></html>", {"x \t y|a\t\tb c", "|/html"}},
      {"\"<}\" never opens a tag", Scan::kTag, "a<}b<i>c</html>", {"a}b|i", "c|/html"}},
      {"a comment is cut at an inner \">\"", Scan::kTag, "<!-- a > b -->c</html>",
       {"|!-- a", " b -->c|/html"}},
      {"raw reading keeps blanks and trims both results", Scan::kRaw,
       "  Some\n  words <a   href=\"x\"\n>\r\n<}b>more</html>",
       {"Some\n  words|a   href=\"x\"", "|}b", "more|/html"}},
      {"comments and declarations are skipped, their text runs kept", Scan::kSkipComments,
       "t1<!-- c1 -->t2<!DOCTYPE x>t3<P>rest</html>", {"t1t2t3|P", "rest|/html"}},
      {"skipping comments stops at the page end", Scan::kSkipComments, "x<!-- </HTML> -->",
       {"x -|-!-- </HTML"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ScanAll(c.page, c.scan), c.stream) << c.what;
}

TEST(TagScanner, ReadTagAtWorksOnTheCallersPositionAndOpensTagsWithACurlyBracket) {
  PageReader reader;
  reader.LoadText("a<}b<i>c</html>");
  std::string text;
  std::string tag;
  size_t pos = 0;
  ASSERT_TRUE(reader.ReadTagAt(text, tag, pos));
  EXPECT_EQ(text + "|" + tag, "a|}b<i");
  EXPECT_EQ(pos, 7u);
  EXPECT_EQ(reader.TagStart(), 1u);
  EXPECT_EQ(reader.PagePos(), 0u);
  ASSERT_TRUE(reader.ReadTag(text, tag));
  EXPECT_EQ(reader.TagStart(), 4u);
  ASSERT_TRUE(reader.ReadTagRaw(text, tag));
  EXPECT_EQ(reader.TagStart(), 4u);  // raw reading leaves it
}

TEST(TagScanner, TextPreviewListsNonBlankRunsUpToItsLimits) {
  std::string twelve_cells;
  for (int i = 1; i <= 12; ++i) twelve_cells += "<TD>c" + std::to_string(i) + "</TD>";
  const std::string long_run(200, 'w');
  const std::pair<std::string, std::string> cases[] = {
      {"<TR><TD>a</TD><TD> </TD><TD>b</TD></TR>", " | a | b"},
      {twelve_cells, " | c1 | c2 | c3 | c4 | c5 | c6 | c7 | c8 | c9 | c10"},
      {"<TD>" + long_run + "</TD><TD>x</TD>", " | " + long_run},
      {"<TD> a  b </TD>", " |  a b "},  // the run as read, folded
  };
  for (const auto& [page, preview] : cases) {
    PageReader reader;
    reader.LoadText(page + "</html>");
    std::string s = "old";
    reader.TextPreview(0, s);
    EXPECT_EQ(s, preview) << page;
    EXPECT_EQ(reader.PagePos(), 0u);
  }
}

}  // namespace
}  // namespace check_html
