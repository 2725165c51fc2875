#include "site/pic_ref_switch.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_error.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

TEST(ReplaceEvery, ReplacesEachOccurrenceAsAPlainFindAndReplaceDoes) {
  const std::vector<std::vector<std::string>> cases = {  // text, from, to, expected
      {"a p.gif b p.gif", "p.gif", "p.png", "a p.png b p.png"},
      {"ppp.gif", "pp.gif", "pp.png", "ppp.png"},  // starts inside a failed partial match
      {"aaa", "aa", "b", "ba"},                    // left to right, not overlapping
      {"P.GIF p.gi", "p.gif", "p.png", "P.GIF p.gi"},
      {"\xE4p.gif\r\n", "p.gif", "p.png", "\xE4p.png\r\n"},
      {"text", "", "x", "text"}};
  for (const auto& c : cases) EXPECT_EQ(ReplaceEvery(c[0], c[1], c[2]), c[3]) << c[0];
}

TEST(SwitchPicRef, KeepsThePageAndRaisesFileErrorWhenThePageCannotBeReplaced) {
  MemoryFileSystem files;
  files.AddFile("d:/site/a.html", "<IMG SRC=\"p.gif\">");
  files.SetReadOnly("d:/site/a.html");
  try {
    SwitchPicRef(files, "d:/site/a.html", "d:/site/p.gif");
    ADD_FAILURE();
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "Can not delete file d:/site/a.html");
  }
  EXPECT_EQ(files.Contents("d:/site/a.html"), "<IMG SRC=\"p.gif\">");
  EXPECT_EQ(files.Contents("d:/site/a.html_d"), "<IMG SRC=\"p.png\">");
  EXPECT_THROW(SwitchPicRef(files, "d:/site/gone.html", "d:/site/p.gif"), FileError);
}

}  // namespace
}  // namespace check_html
