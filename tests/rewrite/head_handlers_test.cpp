// The head handlers. The body tag, with attributes and without, an illu.css three folders up and
// other links are compared end to end with the sample pages.
#include "rewrite/head_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_fixture.h"

namespace check_html {
namespace {

using HeadHandlers = RewriteTest;

TEST_F(HeadHandlers, StylesheetLinkIsChosenByTheFileItNames) {
  const std::string tail = "\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">";
  for (const auto& [tag, line] : std::vector<std::pair<std::string, std::string>>{
           {"LINK HREF=\"../../styles/KAP.CSS\"", "<LINK HREF=\"../../styles/kap.css" + tail},
           {"link href=\"../styles/kap_s.css\"", "<LINK HREF=\"../../styles/kap_s.css" + tail},
           {"link href=\"../styles/illu.css\"", "<LINK HREF=\"../../styles/illu.css" + tail},
           {"link href=\"../../../styles/adv.css\"",
            "<LINK HREF=\"../../styles/illu.css" + tail}}) {
    EXPECT_EQ(Fresh([&] { HandleStylesheet(page, tag); }), line) << tag;
  }
}

// Each case: the tag, the page after it, what is written after the pending text "x ", the log
// and the tag read after the handler.
TEST_F(HeadHandlers, ScriptsOfEarlierRunsAndMathJaxAreDroppedOthersKeptOnTheirOwnLine) {
  const std::vector<std::string> wrong = {"log !!! Wrong /script tag"};
  const struct {
    std::string tag, rest, output;
    std::vector<std::string> log;
    std::string next;
  } cases[] = {
      {"SCRIPT ID=\"zq_x_1\" SRC=\"a.js\"", "</SCRIPT><P></HTML>", "x ", {}, "P"},
      {"script id=\"ZQ_X_2\"", "f();<P><B></HTML>", "x ", wrong, "B"},
      {"script id=\"zq_x_1\"", "f();", "x ", wrong, ""},  // no page end
      {"SCRIPT ID=\"zq_x_3\"", "f(1);</script><P></HTML>",
       "x \n<SCRIPT ID=\"zq_x_3\">f(1);</script>\n", {}, "P"},
      {"script", "window.MathJax = {};</script><P></HTML>", "x ", {}, "P"},
      {"script id=\"MathJax-script\" async src=\"m.js\"", "</script><P></HTML>", "x ", {}, "P"},
      {"script src=\"own.js\"", "</SCRIPT><P></HTML>", "x \n<script src=\"own.js\"></SCRIPT>\n",
       {}, "P"},
  };
  for (const auto& c : cases) {
    front_end.Clear();
    Load(c.rest);
    EXPECT_EQ(Fresh([&] { run.Writer.WriteText("x "); HandleScript(page, c.tag); }), c.output)
        << c.tag;
    EXPECT_EQ(front_end.Events(), c.log) << c.tag;
    std::string text, next;
    run.Reader.ReadTag(text, next);
    EXPECT_EQ(next, c.next) << c.tag;
  }
}

}  // namespace
}  // namespace check_html
