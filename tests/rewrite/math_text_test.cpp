#include "rewrite/math_text.h"

#include <gtest/gtest.h>

namespace check_html {
namespace {

TEST(ConvertBaselineSkips, WritesTheFactorTimesFifteenPointsRoundedHalfToEven) {
  const std::pair<std::string, std::string> cases[] = {
      // 0.01 and 0.03 give 1.5 and 4.5 tenths; an empty or invalid factor counts as 0.
      {"\\[{0.01\\baselineskip}{0.03\\baselineskip}{-2\\baselineskip}{\\baselineskip}"
       "{x\\baselineskip}",
       "\\[{0.2pt}{0.4pt}{-30.0pt}{0.0pt}{0.0pt}"},
      {"\\(2\\baselineskip\\)", "\\(30.0pt\\)"},  // no "{": the search stops at "("
  };
  for (auto [entry, converted] : cases) {
    ConvertBaselineSkips(entry);
    EXPECT_EQ(entry, converted);
  }
}

TEST(TokenizeMathText, SplitsBareTextIntoNumberIdentifierAndOperatorRuns) {
  const std::string bin = "<mo class=\"MathClass-bin\">";
  const std::string rel = "<mo class=\"MathClass-rel\">";
  const struct {
    std::string text;
    bool bold;
    std::string tokens;
  } cases[] = {
      {" 12 ab", true, "<mn> 12 </mn><mi mathvariant=\"bold\">ab</mi>"},
      {"&#x2215;2", true, bin + "&#x2215;</mo><mn mathvariant=\"bold\">2</mn>"},
      {"&#x22EF;&#x3B1;a&#x21D2;", false,
       rel + "&#x22EF;</mo><mi>&#x3B1;a</mi><mo></mo>" + rel + "&#x21D2;</mo>"},
      {"a&#b", false, "<mi>a&#b</mi>"},  // no ";": single characters
      {"   ", true, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TokenizeMathText(c.text, c.bold), c.tokens) << c.text;
}

}  // namespace
}  // namespace check_html
