// The math of converter pages: the text helpers, and the two treatments of math elements
// (MathML written as read but for the rules under test, or the formula file's MathJax entries).
#include "rewrite/math_text.h"

#include <gtest/gtest.h>

#include "platform/file_error.h"
#include "rewrite/math_fixups.h"
#include "driver_fixture.h"

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

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int n = 0; n < times; ++n) text += piece;
  return text;
}

TEST_F(RewriteTest, MathMLIsNormalisedAndItsUnbalancedEndTagsLogged) {
  const std::string x_plus_1 = "<mi>x</mi><mo class=\"MathClass-bin\">+</mo><mn>1</mn>"
                               "<mo class=\"MathClass-rel\">=</mo>";
  // Each case: what follows the math tag, what is written after the math tag's line, the log.
  const struct {
    std::string element, written;
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

TEST_F(RewriteTest, EachPageReadsTheEntriesOfItsOwnSectionByKind) {
  run.SaveDir = "d:\\site\\html\\check";
  files.AddFile("d:/site/pdf_split/all_math.txt",
                "!Y>page10<Y;\n0!Y>\\(x\\)<Y;\n!Y>page<Y;\n0!Y>\\(a\\)<Y;\nb!Y>\\[b\\]<Y;\n"
                "!Y>next<Y;\n0!Y>\\(n\\)<Y;\na!Y>\\(m\\)<Y;");
  OpenMathFile(run);
  const struct {
    const char* page;  // null: the same page
    char kind;
    int form;
    const char* entry;
  } reads[] = {
      {"d:/site/kap01/page.html", '0', 1, "\\(a\\)"},  // not the section of page10
      {nullptr, 'a', 0, ""},                           // the section ends before next's "a"
      {nullptr, 'b', 2, "\\[b\\]"},
      {nullptr, '0', 0, ""},  // fewer entries than formulas: none of next's
      {"d:/site/kap02/next.htm", '0', 1, "\\(n\\)"},
      {"d:/site/kap02/other.html", '0', 0, ""},  // no section
  };
  for (const auto& read : reads) {
    if (read.page != nullptr) SeekMathPage(run, read.page);
    std::string entry = "old";
    EXPECT_EQ(run.Reader.ReadMathEntry(read.kind, entry), read.form) << read.kind;
    EXPECT_EQ(entry, read.entry);
  }
  CloseMathFile(run);
  EXPECT_EQ(run.Reader.MathText(), "");
  // An empty formula file keeps the math elements' MathML; a missing one ends the run.
  const std::string path = "d:\\site\\html\\check\\..\\..\\pdf_split\\all_math.txt";
  files.AddFile("d:/site/pdf_split/all_math.txt", "");
  OpenMathFile(run);
  Load("<mi>a</mi></math></html>\n");
  ReplaceFormula(page, "T ", "math");
  EXPECT_EQ(Output(), "T <math>");
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"log !!!Formula file empty, MathML kept: " + path});
  files.Remove("d:/site/pdf_split/all_math.txt");
  try {
    OpenMathFile(run);
    ADD_FAILURE() << "no error";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), kCannotOpenText);
    EXPECT_EQ(error.Path(), path);
  }
}

TEST_F(RewriteTest, FormulasAreReplacedByTheEntryOfTheirFigureOrPlace) {
  run.Reader.SetMathText(
      "!Y>page<Y;\n0!Y>\\(a\\)<Y;\n0!Y>\\(b\\)<Y;\n"
      "0!Y>\\[ h \\rule{0pt}{1.5\\baselineskip} \\]<Y;\n"
      "a!Y>\\(c\\)<Y;\na!Y>\\(c2\\)<Y;\nb!Y>\\(d\\)<Y;\n");
  SeekMathPage(run, page.SourceName);
  const std::string block = "math display=\"block\" class=\"equation\"";
  const std::string in_line = "math display=\"inline\"";
  const struct {
    char figure;  // 0 outside figures
    std::string tag, rest, written;
    std::vector<std::string> log;
  } steps[] = {
      {0, in_line, "<mi>a</mi></math>", "T \\(a\\)", {}},
      {0, block, "<mstyle id=\"x1-5\" class=\"label\"></mstyle><mi>b</mi></math>",
       "T </td><td VALIGN=\"TOP\"><a id=\"x1-5\">&nbsp;</a></td><td>\\(b\\)",
       {"log !!!no block in block: \\(b\\)"}},
      {0, block, "<mi>h</mi></math>", "T \\[ h \\rule{0pt}{22.5pt} \\]", {}},
      {'a', in_line, "<mi>c</mi></math>", "T \\(c\\)", {}},
      {'b', in_line, "<mi>d</mi></math>", "T \\(d\\)", {}},
      {0, in_line, "<mi>e</mi></math>", "T ", {"log !!!no inline in inline: "}},
  };
  for (const auto& step : steps) {
    page.InFigure = step.figure != 0;
    page.FigureLetter = step.figure != 0 ? step.figure : 'a' - 1;
    Load(step.rest + " after</html>\n");
    run.Writer.BeginOutput(page.BakName);
    front_end.Clear();
    ReplaceFormula(page, "T ", step.tag);
    EXPECT_EQ(Output(), step.written);
    EXPECT_EQ(front_end.Events(), step.log);
    EXPECT_EQ(run.Reader.PageText().substr(run.Reader.PagePos()), " after</html>\n");
  }
}

}  // namespace
}  // namespace check_html
