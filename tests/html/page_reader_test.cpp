#include "html/page_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "html/text_scan.h"
#include "platform/file_error.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

// The error `action` throws, with the file it names; or "no error".
std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& error) {
    return std::string(error.what()) + " [" + error.Path() + "]";
  }
  return "no error";
}

TEST(PageReader, EndsTheTextNineBytesBehindTheFirstClosingHtmlTagInAnyCase) {
  const struct {
    std::string page, text;  // text "-": the page has no end
  } cases[] = {
      {"<p>x</html>\nafter</HTML>", "<p>x</html>\na"},
      {"<p>x</hTmL>\r\nmore", "<p>x</hTmL>\r\n"},
      {"<p>x</HTML>", "<p>x</HTML>"},   // ends exactly with the tag: the end of the file
      {"<p>x</HTML>\n", "<p>x</HTML>\n"},
      {"<p>no closing tag", "-"},
      {"", "-"},
  };
  for (const auto& c : cases) {
    PageReader reader;
    reader.LoadText(c.page);
    if (c.text == "-") {
      EXPECT_FALSE(reader.PageEnd().has_value()) << c.page;
      EXPECT_TRUE(reader.AtPageEnd()) << c.page;
    } else {
      EXPECT_EQ(reader.PageEnd(), c.text.size()) << c.page;
      EXPECT_EQ(reader.PageText(), c.text);
    }
  }
}

TEST(PageReader, LoadsPagesThroughTheFileSystemAndReportsFailuresByTheirTexts) {
  MemoryFileSystem files;
  files.AddFile("a.htm", "<p>A</html>");
  files.AddFile("ro.htm", "<p></html>");
  files.AddFile("bad.htm", "x");
  files.AddFile("empty.htm", "");
  files.SetReadOnly("ro.htm");
  files.SetIoError("bad.htm");
  PageReader reader(files);
  EXPECT_EQ(ErrorOf([&] { reader.LoadPage("a.htm"); }), "no error");
  EXPECT_EQ(reader.PageText(), "<p>A</html>");
  // The run names the file in its last log line.
  EXPECT_EQ(ErrorOf([&] { reader.LoadPage("missing.htm"); }),
            "File can not be opend [missing.htm]");
  EXPECT_EQ(ErrorOf([&] { reader.LoadPage("ro.htm"); }), "File can not be opend [ro.htm]");
  EXPECT_EQ(ErrorOf([&] { reader.LoadPage("bad.htm"); }), "Error while Filemapping [bad.htm]");
  EXPECT_EQ(ErrorOf([&] { reader.LoadPage("empty.htm"); }), "no error");
  EXPECT_TRUE(reader.AtPageEnd());
  // A reader without a file system opens nothing, and names no file.
  EXPECT_EQ(ErrorOf([] { PageReader().LoadPage("a.htm"); }), "File can not be opend []");
}

TEST(PageReader, FindsTextIgnoringCaseOnlyFromPagePosUpToPageEnd) {
  PageReader reader;
  reader.LoadText("<a>\xC4rger</A> <a></html>\n\n</a>");
  EXPECT_EQ(reader.FindInPage("\xE4RGER"), 3u);
  EXPECT_EQ(reader.FindInPage("</a>"), 8u);
  reader.SetPagePos(9);
  EXPECT_FALSE(reader.FindInPage("</a>").has_value());  // only behind PageEnd
  EXPECT_EQ(reader.PagePos(), 9u);

  EXPECT_EQ(FindFrom("href", "A HREF=\"x\" href", 1), 3u);
  EXPECT_EQ(FindFrom("href", "A HREF=\"x\" href", 4), 12u);
  EXPECT_EQ(FindFrom("href", "A HREF=\"x\" href", 13), 0u);
  EXPECT_EQ(FindFrom("", "abc", 1), 0u);
}

TEST(PageReader, CopiesThroughScriptsAnchorsSubscriptsAndComments) {
  using Take = bool (PageReader::*)(std::string&);
  // `s` before and after the call, and the page text left behind PagePos.
  const struct {
    Take take;
    std::string before, page, after, rest;
  } cases[] = {
      {&PageReader::TakeScript, "<SCRIPT>", "a<b;</script>x</html>", "<SCRIPT>a<b;</script>",
       "x</html>"},
      {&PageReader::TakeAnchor, "<A NAME=\"n\">", "Wort</a></html>", "<A NAME=\"n\">Wort</a>",
       "</html>"},
      {&PageReader::TakeSub, "x<SUB>", "  i+1 \n</sub>y</html>", "x<SUB>i+1</SUB>", "y</html>"},
      {&PageReader::TakeSup, "x<SUP>", " 2</Sup></html>", "x<SUP>2</SUP>", "</html>"},
      {&PageReader::TakeComment, "<!-- a>", " b -->c</html>", "<!-- a> b -->", "c</html>"},
      {&PageReader::TakeComment, "<!-- a -->", "b -->c</html>", "<!-- a -->", "b -->c</html>"},
      // A marker only behind PageEnd is not found: nothing changes.
      {&PageReader::TakeScript, "<SCRIPT>", "x</html>\n\n</script>", "<SCRIPT>",
       "x</html>\n\n"},
  };
  for (const auto& c : cases) {
    PageReader reader;
    reader.LoadText(c.page);
    std::string s = c.before;
    EXPECT_EQ((reader.*c.take)(s), c.after != c.before) << c.page;
    EXPECT_EQ(s, c.after);
    EXPECT_EQ(reader.PageText().substr(reader.PagePos()), c.rest);
  }
}

// A marker found missing behind some position is not looked for there again (a page of many
// unclosed comments is searched once), but is still found in front of that position.
TEST(PageReader, RemembersWhereAnEndMarkerIsMissing) {
  PageReader reader;
  reader.LoadText("a --> b <!-- c</html>");
  std::string s = "<!--";
  reader.SetPagePos(5);
  EXPECT_FALSE(reader.TakeComment(s));
  reader.SetPagePos(9);
  EXPECT_FALSE(reader.TakeComment(s));
  reader.SetPagePos(0);
  EXPECT_TRUE(reader.TakeComment(s));
  EXPECT_EQ(s, "<!--a -->");
  reader.LoadText("b --></html>");
  EXPECT_TRUE(reader.TakeComment(s = "<!--"));
}

TEST(PageReader, ReadsFormulaEntriesByKindWithTwoPositions) {
  PageReader reader;
  reader.SetMathText("0!Y>\\(a+b\\)<Y;3!Y>\\[x^2\\]<Y;1!Y>\\begin{align}y\\end{align}<Y;"
                     "2!Y>plain<Y;4!Y>\\(open");
  const struct {
    char kind;
    int result;
    std::string entry;
    size_t math_pos, math_pos2;
  } steps[] = {
      {'3', 2, "\\[x^2\\]", 0, 25},
      {'1', 2, "\\begin{align}y\\end{align}", 0, 57},
      {'3', 0, "", 0, 57},  // no further entry of kind 3: no move
      {'0', 1, "\\(a+b\\)", 11, 57},
      {'2', 0, "plain", 11, 69},
      {'4', 0, "", 11, 69},  // no closing "<Y;"
      {'0', 0, "", 11, 69},
  };
  for (const auto& step : steps) {
    std::string entry = "old";
    EXPECT_EQ(reader.ReadMathEntry(step.kind, entry), step.result) << step.kind;
    EXPECT_EQ(entry, step.entry);
    EXPECT_EQ(reader.MathPos(), step.math_pos);
    EXPECT_EQ(reader.MathPos2(), step.math_pos2);
  }
}

}  // namespace
}  // namespace check_html
