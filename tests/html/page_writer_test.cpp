#include "html/page_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_error.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

std::string Chars(size_t count, char c = 'x') { return std::string(count, c); }

// The finished lines and the pending line after one WriteText.
std::string Broken(const std::string& text) {
  MemoryFileSystem files;
  PageWriter writer(files);
  writer.BeginOutput("out.html");
  writer.WriteText(text);
  EXPECT_EQ(writer.OutLineLen(), writer.OutLine().size());
  return writer.OutText() + "[" + writer.OutLine() + "]";
}

TEST(PageWriter, BreaksLongLinesBeforeClosingTagsOrBetweenTagsElseAtABlank) {
  const std::string tail = Chars(66, 'y');
  const struct {
    const char* what;
    std::string text, result;
  } cases[] = {
      {"120 bytes stay pending", Chars(59) + " </p>" + Chars(56), "[" + Chars(59) + " </p>" +
       Chars(56) + "]"},
      {"blank at 60 before </p>", Chars(59) + " </p>" + tail,
       Chars(59) + " \n[</p>" + tail + "]"},
      {"latest break point within 119", Chars(29) + " </b>" + Chars(65) + "<i> <b>" + Chars(30),
       Chars(29) + " </b>" + Chars(65) + "<i> \n[<b>" + Chars(30) + "]"},
      {"break point after 119", Chars(128) + " </p>" + Chars(10),
       Chars(128) + " \n[</p>" + Chars(10) + "]"},
      {"first blank from 120", Chars(49) + " <p>" + Chars(70) + " " + Chars(5) + " x",
       Chars(49) + " <p>" + Chars(70) + " \n[" + Chars(5) + " x]"},
      {"200 bytes without blanks", Chars(200), "[" + Chars(200) + "]"},
      {"several cuts", Chars(119) + " " + Chars(119) + " " + Chars(30),
       Chars(119) + " \n" + Chars(119) + " \n[" + Chars(30) + "]"},
  };
  for (const auto& c : cases) EXPECT_EQ(Broken(c.text), c.result) << c.what;
}

// A blank inside a quoted attribute value is no cut: a name with a line break in it would no
// longer match the links to it. The quote state carries over cuts and separate writes.
TEST(PageWriter, TheBlankCutSkipsBlanksInsideQuotedAttributeValues) {
  const std::string lead = Chars(100) + " ";
  const std::string name = "<a NAME=\"Impulserhaltungssatz, unelastisch\">";
  EXPECT_EQ(Broken(lead + "text " + name + "Sto\xDF x"),
            lead + "text " + name + "Sto\xDF \n[x]");
  EXPECT_EQ(Broken(lead + name + "x"), "[" + lead + name + "x]");  // no blank outside yet

  MemoryFileSystem files;
  PageWriter writer(files);
  writer.BeginOutput("out.html");
  writer.WriteText(lead + "<img alt=\"a b");
  writer.WriteText(Chars(20) + " c" + Chars(130) + " d\"> e");
  EXPECT_EQ(writer.OutText() + "[" + writer.OutLine() + "]",
            lead + "<img alt=\"a b" + Chars(20) + " c" + Chars(130) + " d\"> \n[e]");
  writer.WriteLine("<p title=\"1 " + Chars(130));  // a value still open when its line ends
  writer.WriteText(Chars(130) + " 2\" 3");
  EXPECT_EQ(writer.OutLine(), "3");
  EXPECT_EQ(writer.OutText().substr(writer.OutText().size() - 5), " 2\" \n");
}

TEST(PageWriter, EndsLinesAndDropsAPendingLineOfBlanks) {
  MemoryFileSystem files;
  PageWriter writer(files);
  writer.BeginOutput("out.html");
  writer.WriteText(" \t\r ");
  writer.WriteOwnLine("<P>");
  writer.WriteText("abc");
  writer.WriteLine("def");
  writer.WriteText("pending");
  writer.WriteOwnLine("<HR>");
  writer.WriteText("p2");
  writer.WriteRaw("<X>");
  writer.WriteText("p3");
  writer.AppendRaw("|");
  EXPECT_EQ(writer.OutText(), "<P>\nabcdef\npending\n<HR>\np2\n<X>|");
  EXPECT_EQ(writer.OutLine(), "p3");
  writer.BeginOutput("next.html");
  EXPECT_EQ(writer.OutText() + writer.OutLine(), "");
}

TEST(PageWriter, SavesOnlyFinishedLinesAndReportsFailuresByTheirTexts) {
  MemoryFileSystem files;
  files.AddFile("ro.html", "old");
  files.SetReadOnly("ro.html");
  files.AddFile("bad.html", "old");
  files.SetIoError("bad.html");
  PageWriter writer(files);
  writer.BeginOutput("a.html");
  writer.WriteLine("line");
  writer.WriteText("pending");
  writer.SaveOutput();
  EXPECT_EQ(files.Contents("a.html"), "line\n");
  EXPECT_EQ(writer.OutText(), "");
  EXPECT_EQ(writer.OutLine(), "pending");

  auto error_of_saving = [&](const std::string& name, const std::string& text) -> std::string {
    writer.BeginOutput(name);
    writer.AppendRaw(text);
    try {
      writer.SaveOutput();
    } catch (const FileError& error) {
      return std::string(error.what()) + " [" + error.Path() + "]";
    }
    return "no error";
  };
  EXPECT_EQ(error_of_saving("ro.html", "x"), "File can not be opend [ro.html]");
  EXPECT_EQ(error_of_saving("bad.html", "x"), "Errop while Filemapping [bad.html]");
  EXPECT_EQ(error_of_saving("empty.html", ""), "Errop while Filemapping [empty.html]");
  EXPECT_EQ(files.Contents("empty.html"), "");
}

}  // namespace
}  // namespace check_html
