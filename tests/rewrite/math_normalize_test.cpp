// The MathML treatment of math elements: written as read, except for the rules under test.
#include <gtest/gtest.h>

#include "rewrite/math_fixups.h"
#include "rewrite_fixture.h"

namespace check_html {
namespace {

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int n = 0; n < times; ++n) text += piece;
  return text;
}

TEST_F(RewriteTest, MathMLIsNormalisedAndItsUnbalancedEndTagsLogged) {
  const std::string x_plus_1 = "<mi>x</mi><mo class=\"MathClass-bin\">+</mo><mn>1</mn>"
                               "<mo class=\"MathClass-rel\">=</mo>";
  const struct {
    std::string element;  // what follows the math tag
    std::string written;  // what follows the math tag's line
    std::vector<std::string> log;
  } cases[] = {
      {"<mrow>x+1=y</mrow></math>", "<mrow>" + x_plus_1 + "<mi>y</mi></mrow></math>", {}},
      // A bold identifier wrapper around a row: its end tag goes with it.
      {"<mi mathvariant=\"BOLD\"><mrow>x+1=y</mrow></mi></math>",
       "<mrow>" + x_plus_1 + "<mi mathvariant=\"bold\">y</mi></mrow></math>", {}},
      // Operators with their end tag stay, "MathClass-ret" ones trimmed; an operator wrapper
      // is dropped; spaces become self-closing; comments go.
      {"<mo class=\"MathClass-bin\"> + </mo><mo class=\"MathClass-ret\"> a </mo><!--c-->"
       "<mspace width=\"1em\" class=\"x\" /><mo class=\"c\"><mi>z</mi> </mo>\n</math>",
       "<mo class=\"MathClass-bin\"> + </mo><mo class=\"MathClass-ret\">a</mo>"
       "<mspace width=\"1em\" class=\"x\"/><mi>z</mi>  </math>",
       {}},
      // A closing tag that is not the innermost open element's: logged and dropped (its text
      // kept), then the next 11 tags traced.
      {"<mrow>a</msub>" + Repeated("<mn>1</mn>", 6) + "</mrow></math>",
       "<mrow>a" + Repeated("<mn>1</mn>", 6) + "</mrow></math>",
       {"log !!!mrow </msub>", "log <mn>", "log 1</mn>", "log <mn>", "log 1</mn>", "log <mn>",
        "log 1</mn>", "log <mn>", "log 1</mn>", "log <mn>", "log 1</mn>", "log <mn>"}},
      // A math element closed too early is closed all the same.
      {"<mrow><mi>a</mi></math>", "<mrow><mi>a</mi></math>",
       {"log !!!mrow </math>", "log !!!mismatch!!!"}},
      {"</ma></mrow></math>", "</ma></math>",
       {"log !!!No brack closed!!!</mrow>", "log !!! </mrow>", "log </math>"}},
  };
  for (const auto& c : cases) {
    Load(c.element + " after</html>\n");
    run.Writer.BeginOutput(page.BakName);
    front_end.Clear();
    NormalizeMathML(page, "T ", "math display=\"inline\"");
    EXPECT_EQ(Output(), "T <math display=\"inline\">\n" + c.written) << c.element;
    EXPECT_EQ(front_end.Events(), c.log) << c.element;
    EXPECT_EQ(run.Reader.PageText().substr(run.Reader.PagePos()), " after</html>\n");
  }
}

// Nesting and wrapper chains live on the heap: far deeper than the C++ stack would take.
TEST_F(RewriteTest, DeeplyNestedMathMLIsNormalisedWithoutRecursion) {
  constexpr int kDepth = 50000;
  Load(Repeated("<mrow>", kDepth) + Repeated("<mo class=\"c\">", kDepth) + "<mn>1</mn>" +
       Repeated("</mo>", kDepth) + Repeated("</mrow>", kDepth) + "</math></html>\n");
  NormalizeMathML(page, "", "math");
  EXPECT_EQ(Output(), "<math>\n" + Repeated("<mrow>", kDepth) + "<mn>1</mn>" +
                          Repeated("</mrow>", kDepth) + "</math>");
  EXPECT_EQ(front_end.Events(), std::vector<std::string>{});
}

}  // namespace
}  // namespace check_html
