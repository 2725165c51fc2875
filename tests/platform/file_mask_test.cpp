#include "platform/file_system.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

struct MaskCase {
  const char* name;
  const char* mask;
  bool matches;
};

TEST(FileMask, MatchesWindowsWildcardsOnLongNamesIgnoringCase) {
  const MaskCase cases[] = {
      {"index.htm", "*.htm;*.html", true},
      {"INDEX.HTML", "*.htm;*.html", true},
      {"x.html", "*.htm", false},  // no 8.3 short names on this system
      {"x.htm.bak", "*.htm", false},
      {"a.b.htm", "*.htm", true},
      {"README", "*.*", true},  // "*.*" matches names without a dot as well
      {"index", "index.*", true},
      {"indexes", "index.*", false},
      {"p1.htm", "p?.htm", true},
      {"p.htm", "p?.htm", false},
      {"\xC4rger.htm", "\xE4*.HTM", true},
      {"x.gif", " *.png ; *.gif ", true},  // blanks around masks do not count
      {"x.gif", "*.png;;", false},
      {"anything", "", false},
      {"abcabd", "*abd", true},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " against " << c.mask;
  }
}

}  // namespace
}  // namespace check_html
