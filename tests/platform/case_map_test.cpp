#include "platform/case_map.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

TEST(CaseMap, FoldsAsciiAndWindows1252LettersButNotSigns) {
  EXPECT_EQ(LowerCase("KAP1\\BACKBONE\\X.HTM"), "kap1\\backbone\\x.htm");
  EXPECT_EQ(LowerCase("\xC4\xD6\xDC\x8A\x8C\x8E\x9F"), "\xE4\xF6\xFC\x9A\x9C\x9E\xFF");
  EXPECT_EQ(UpperCase("\xE4\xF6\xFC\xFF"), "\xC4\xD6\xDC\x9F");
  // Multiplication and division signs, sharp s and the paragraph sign map to themselves.
  EXPECT_EQ(LowerCase("\xD7\xF7\xDF\xA7"), "\xD7\xF7\xDF\xA7");
  EXPECT_EQ(UpperCase("\xD7\xF7\xDF\xA7"), "\xD7\xF7\xDF\xA7");
}

TEST(CaseMap, ComparesIgnoringCaseIncludingUmlauts) {
  EXPECT_TRUE(EqualNoCase("\xC4rger", "\xE4RGER"));
  EXPECT_FALSE(EqualNoCase("abc", "abcd"));
  EXPECT_TRUE(StartsWithNoCase("IMG src=\"x\"", "img "));
  EXPECT_FALSE(StartsWithNoCase("im", "img "));
}

}  // namespace
}  // namespace check_html
