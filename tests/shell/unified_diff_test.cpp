#include "shell/unified_diff.h"

#include <tuple>

#include <gtest/gtest.h>

namespace check_html {
namespace {

// "1\n" to "20\n", with the lines named in `changed` replaced by "X".
std::string Numbers(std::initializer_list<int> changed = {}) {
  std::string text;
  for (int i = 1; i <= 20; ++i) {
    bool is_changed = false;
    for (int c : changed) is_changed = is_changed || c == i;
    text += (is_changed ? std::string("X") : std::to_string(i)) + "\n";
  }
  return text;
}

// The hunks as `diff -u` writes them (the expected texts were taken from GNU diff).
TEST(UnifiedDiff, WritesTheHunksDiffWrites) {
  const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
      {"equal", "a\nb\n", "a\nb\n", ""},
      {"one line", "a\nb\nc\n", "a\nB\nc\n", "@@ -1,3 +1,3 @@\n a\n-b\n+B\n c\n"},
      {"created", "", "x\n", "@@ -0,0 +1 @@\n+x\n"},
      {"emptied, no final line end", "x", "", "@@ -1 +0,0 @@\n-x\n\\ No newline at end of file\n"},
      {"final line end lost", "a\n", "a", "@@ -1 +1 @@\n-a\n+a\n\\ No newline at end of file\n"},
      {"carriage returns belong to the line", "a\r\nb\r\n", "a\r\nc\r\n",
       "@@ -1,2 +1,2 @@\n a\r\n-b\r\n+c\r\n"},
      // Six unchanged lines between two changes still join one hunk, seven part them.
      {"gap of six", Numbers(), Numbers({2, 9}),
       "@@ -1,12 +1,12 @@\n 1\n-2\n+X\n 3\n 4\n 5\n 6\n 7\n 8\n-9\n+X\n 10\n 11\n 12\n"},
      {"gap of seven", Numbers(), Numbers({2, 10}),
       "@@ -1,5 +1,5 @@\n 1\n-2\n+X\n 3\n 4\n 5\n@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+X\n 11\n"
       " 12\n 13\n"},
      {"last line", Numbers(), Numbers({20}), "@@ -17,4 +17,4 @@\n 17\n 18\n 19\n-20\n+X\n"},
  };
  for (const auto& [name, before, after, hunks] : cases) {
    std::string out = "kept:";
    AppendHunks(before, after, out);
    EXPECT_EQ(out, "kept:" + hunks) << name;
  }
}

}  // namespace
}  // namespace check_html
