#include "rewrite/main_pass_dispatch.h"

#include <gtest/gtest.h>

#include "driver_fixture.h"

namespace check_html {
namespace {

class MainPass : public RewriteTest {
 protected:
  std::string Run(std::string text) {
    run.Writer.BeginOutput(page.TargetName);
    Load(std::move(text));
    page.Reading = true;
    RunMainPass(page);
    return Output();
  }
};

TEST_F(MainPass, RebuildsTheDoctypeAndTheHeadByLanguageAndMode) {
  const std::string head =
      "<!DOCTYPE HTML PUBLIC \"x\"><html><head><meta name=\"a\" content=\"b\">"
      "<meta http-equiv=\"c\" content=\"d\"><meta charset=\"e\"><title>T</title></head></html>\n";
  const std::string title =
      "><head><meta charset=\"e\"><title>T</title><meta http-equiv=\"Content-Type\" "
      "content=\"text/html; charset=iso-8859-1\">\n";  // no cut inside the quoted value
  options.tex_html = false;
  EXPECT_EQ(Run(head), "<!DOCTYPE HTML><HTML lang=\"de\"" + title +
                           "<SCRIPT ID=\"zq_x_1\" LANGUAGE=\"JavaScript\" "
                           "SRC=\"../../styles/zq_check_pagestyle.js\"></SCRIPT>\n</head>\n\n");
  options.tex_html = true;
  options.Set_to_English = true;
  EXPECT_EQ(Run(head), "<!DOCTYPE HTML><HTML lang=\"en\"" + title +
                           "<SCRIPT ID=\"zq_x_1\" SRC=\"../../styles/zq_cs.js\"></SCRIPT>\n"
                           "</head>\n\n");
}

TEST_F(MainPass, EndsAtTheBodyEndOrTheHouseRuleOfASubFolderPage) {
  const std::string rule = "<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">";
  const struct {
    std::string text;
    bool in_sub_folder;
    std::string expected;
    bool body_ended;
  } cases[] = {
      {"x</body><p>old bar</p></html>\n", false, "x", true},
      {"a" + rule + "old bar</html>\n", true, "a", true},
      {"a" + rule + "old bar</html>\n", false, "a\n" + rule + "\nold bar\n", false},
      // Inside noframes the body end stays and the pass goes on to the html end.
      {"<noframes>y</body></noframes></html>\n", false, "<noframes>y\n</body>\n</noframes>\n\n",
       false},
  };
  for (const auto& c : cases) {
    page.InSubFolder = c.in_sub_folder;
    page.BodyEnded = false;
    EXPECT_EQ(Run(c.text), c.expected) << c.text;
    EXPECT_EQ(page.BodyEnded, c.body_ended) << c.text;
  }
}

TEST_F(MainPass, CopiesCommentsVerbatimBlocksDivsAndMathematics) {
  EXPECT_EQ(Run("<!-- a > b --><pre class=\"VERBATIM\">  x   y  </pre><div class=\"box\">z</div>"
                "<math display=\"block\"><mi>x</mi></math><mtext xlink:href=\"#f\">t</mtext>"
                "<mtext>u</mtext></html>\n"),
            "<!-- a> b --><pre class=\"VERBATIM\">\nx   y</pre>\n<div class=\"box\">\n"
            "z</div><math display=\"block\">\n<mi>x</mi>\n"
            "</math><mtext xlink:href=\"#f\">t</mtext><mtext>u</mtext>\n\n");
  EXPECT_EQ(run.RefList, std::vector<std::string>{"page"});
  // The text in front of an mtext tag is written apart, so a long one is broken at its own blank.
  const std::string text = std::string(124, 'w') + " " + std::string(10, 'v') + "> ";
  EXPECT_EQ(Run(text + "<mtext>t</mtext></html>\n"),
            text.substr(0, 125) + "\n" + text.substr(125) + "<mtext>t</mtext>\n\n");
  // When the page ends inside a text run (its end lies two bytes behind the first "</HTML>"),
  // only that text is written; the last tag is not handled twice.
  EXPECT_EQ(Run("<p>x<!-- </HTML> -->rest"), "<p>x<!-- </HTML> -");
}

}  // namespace
}  // namespace check_html
