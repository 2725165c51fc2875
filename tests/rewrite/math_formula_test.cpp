// The formula file and the MathJax treatment of math elements.
#include <gtest/gtest.h>

#include "rewrite/math_fixups.h"
#include "rewrite_fixture.h"

namespace check_html {
namespace {

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
  // Without a formula file the math elements keep their MathML.
  files.Remove("d:/site/pdf_split/all_math.txt");
  OpenMathFile(run);
  Load("<mi>a</mi></math></html>\n");
  ReplaceFormula(page, "T ", "math");
  EXPECT_EQ(Output(), "T <math>");
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"log !!!Formula file missing or empty, MathML kept: "
                                     "d:\\site\\html\\check\\..\\..\\pdf_split\\all_math.txt"});
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
    std::string tag;
    std::string rest;
    std::string written;
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
