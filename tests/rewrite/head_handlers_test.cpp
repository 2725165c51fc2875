#include "rewrite/head_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rewrite_fixture.h"

namespace check_html {
namespace {

using HeadHandlers = RewriteTest;

TEST_F(HeadHandlers, BodyTagLosesItsAttributes) {
  tex_html = false;
  HandleBody(page, "body onload=\"init()\" bgcolor=\"#fff\"");
  tex_html = true;
  HandleBody(page, "BODY class=\"x\"");
  EXPECT_EQ(Output(), "<BODY><body>");
}

TEST_F(HeadHandlers, StylesheetLinkIsChosenByTheFileItNames) {
  const std::string tail = "\" REL=\"stylesheet\" TITLE=\"vrad\" TYPE=\"text/css\">";
  const std::pair<std::string, std::string> cases[] = {
      {"LINK HREF=\"../../styles/KAP.CSS\"", "<LINK HREF=\"../../styles/kap.css" + tail},
      {"link href=\"../styles/kap_s.css\"", "<LINK HREF=\"../../styles/kap_s.css" + tail},
      {"link href=\"../../../styles/illu.css\"", "<LINK HREF=\"../../../styles/illu.css" + tail},
      {"link href=\"../styles/illu.css\"", "<LINK HREF=\"../../styles/illu.css" + tail},
      {"link href=\"../../../styles/adv.css\"", "<LINK HREF=\"../../styles/illu.css" + tail},
      {"link rel=\"icon\" href=\"x.ico\"", "<link rel=\"icon\" href=\"x.ico\">"},
  };
  for (const auto& [tag, line] : cases) {
    run.Writer.BeginOutput("out.html");
    HandleStylesheet(page, tag);
    EXPECT_EQ(Output(), line) << tag;
  }
}

TEST_F(HeadHandlers, ScriptsOfEarlierRunsAndMathJaxAreDroppedOthersKeptOnTheirOwnLine) {
  struct Case {
    std::string tag;
    std::string rest;    // the page after the tag
    std::string output;  // after the pending text "x "
    std::vector<std::string> log;
    std::string next;    // the tag read after the handler
  };
  const Case cases[] = {
      {"SCRIPT ID=\"zq_x_1\" SRC=\"a.js\"", "</SCRIPT><P></HTML>", "x ", {}, "P"},
      {"script id=\"ZQ_X_2\"", "f();<P><B></HTML>", "x ", {"log !!! Wrong /script tag"}, "B"},
      {"script id=\"zq_x_1\"", "f();", "x ", {"log !!! Wrong /script tag"}, ""},  // no page end
      {"SCRIPT ID=\"zq_x_3\"", "f(1);</script><P></HTML>",
       "x \n<SCRIPT ID=\"zq_x_3\">f(1);</script>\n", {}, "P"},
      {"script", "window.MathJax = {};</script><P></HTML>", "x ", {}, "P"},
      {"script id=\"MathJax-script\" async src=\"m.js\"", "</script><P></HTML>", "x ", {}, "P"},
      {"script src=\"own.js\"", "</SCRIPT><P></HTML>",
       "x \n<script src=\"own.js\"></SCRIPT>\n", {}, "P"},
  };
  for (const Case& c : cases) {
    front_end.Clear();
    run.Writer.BeginOutput("out.html");
    run.Writer.WriteText("x ");
    Load(c.rest);
    HandleScript(page, c.tag);
    EXPECT_EQ(Output(), c.output) << c.tag;
    EXPECT_EQ(front_end.Events(), c.log) << c.tag;
    std::string text;
    std::string next;
    run.Reader.ReadTag(text, next);
    EXPECT_EQ(next, c.next) << c.tag;
  }
}

}  // namespace
}  // namespace check_html
