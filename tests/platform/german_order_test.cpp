// The German order of the LaTeX index, the same on both systems (ICU on Linux, the system's own
// collation on Windows): one table, sorted on each.
#include "platform/german_order.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

TEST(GermanOrder, SortsUmlautsBesideTheirBaseLettersIgnoringCaseAndKeepsEqualsInOrder) {
  // Given in an order the sort must change; each group of equals in the order given.
  const std::vector<std::string> texts = {
      "Zylinder!!",  "\xC4quivalenz!!", "apfel!!", "Apfel!!",  "Ableitung!!",
      "\xFC" "ber!!", "Ubung!!",         "u!!",     "\xF6l!!",  "Ol!!",
      "Ma\xDF!!",     "Masse!!",         "e!!",     "\xE9t\xE9!!", "ete!!",
      "10 Hz!!",      "2 Hz!!",          "a-b!!",   "ab!!",     "Aa!!",
  };
  const std::vector<std::string> expected = {
      "10 Hz!!", "2 Hz!!",     "a-b!!",     "Aa!!", "ab!!",   "Ableitung!!", "apfel!!",
      "Apfel!!", "\xC4quivalenz!!", "e!!", "ete!!", "\xE9t\xE9!!", "Ma\xDF!!", "Masse!!",
      "Ol!!",    "\xF6l!!",    "u!!",       "\xFC" "ber!!", "Ubung!!", "Zylinder!!",
  };
  std::vector<std::string> sorted;
  for (const std::size_t position : GermanOrder(texts)) sorted.push_back(texts[position]);
  EXPECT_EQ(sorted, expected);
}

}  // namespace
}  // namespace check_html
