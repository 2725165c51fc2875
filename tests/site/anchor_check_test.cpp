#include "site/anchor_check.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../run/run_fixture.h"
#include "site/anchor_names.h"
#include "site/tree_crawl.h"

namespace check_html {
namespace {

using Lines = std::vector<std::string>;

// A name and a fragment name the same anchor when their keys are equal: character references
// and a fragment's percent-escapes (UTF-8, else Windows-1252 bytes) stand for characters.
TEST(AnchorNames, KeysDecodeReferencesAndAFragmentsPercentEscapes) {
  const std::string groesse = "Gr\xC3\xB6\xC3\x9F" "e";  // UTF-8
  const struct {
    std::string text;
    bool fragment;
    std::string key;
  } cases[] = {
      {"Gr\xF6\xDF" "e", false, groesse},      {"Gr&ouml;&szlig;e", false, groesse},
      {"Gr&#246;&#xDF;e", false, groesse},     {"Gr%C3%B6%C3%9Fe", true, groesse},
      {"Gr%F6%DFe", true, groesse},           {"Gr%F6%DFe", false, "Gr%F6%DFe"},
      {"a%20b&amp;c", true, "a b&c"},          {"&bogus; &#0; &#xZ;", false, "&bogus; \xEF\xBF\xBD &#xZ;"},
      {"100%", true, "100%"},                 {"%2", true, "%2"},
      {"&#x1F600;", false, "\xF0\x9F\x98\x80"}, {"\x80", false, "\xE2\x82\xAC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.fragment ? FragmentKey(c.text) : AnchorKey(c.text), c.key) << c.text;
  }
  EXPECT_EQ(FoldedKey("Gr\xC3\x96\xC3\x9F" "E"), "gr\xC3\xB6\xC3\x9F" "e");
}

class AnchorCheck : public ::testing::Test, protected RunParts<> {
 protected:
  AnchorCheck() {
    options.CheckAnchors = true;
    options.Look_For_SubPath = false;
  }
  // The missing anchors after a crawl from d:/web/a.html, as "page#fragment (nearly) <- from".
  Lines Missing() {
    CrawlTree(run, "d:\\web\\a.html");
    Lines lines;
    for (const MissingAnchor& anchor : FindMissingAnchors(database)) {
      std::string line = database.Files()[anchor.target] + "#" + anchor.fragment;
      if (!anchor.nearly.empty()) line += " (" + anchor.nearly + ")";
      line += " <-";
      for (const int32_t from : anchor.from) line += " " + database.Files()[from];
      lines.push_back(line);
    }
    return lines;
  }
};

// Anchors are NAMEs of A elements and IDs of any element, converter ids on spans and divs
// included; an end tag or a comment defines none. A missing page is reported as such, not again
// for its anchors; the anchors of a file that is no page are not known.
TEST_F(AnchorCheck, ReportsEachFragmentItsPageLacksOnceWithTheLinkingPages) {
  files.AddFile("d:/web/a.html",
                "<html><a name=\"top\"></a><a href=\"b.html#Sec\">1</a><a href=\"b.html#x1-2\">2</a>"
                "<a href=\"b.html#gone\">3</a><a href=\"#top\">4</a><a href=\"#bottom\">5</a>"
                "<a href=\"c.html#any\">6</a><a href=\"d.pdf#page=2\">7</a><a href=\"b.htm#SEC\">8</a>"
                "<!-- <a name=\"bottom\"> --></html>");
  files.AddFile("d:/web/b.html",
                "<html><h2 ID=\"sec\">S</h2><span id=\"x1-2\"></span><div id=\"x1-3\"></div>"
                "<a href=\"a.html#top\">t</a><a href=\"a.html#bottom\">b</a></a id=\"gone\"></html>");
  files.AddFile("d:/web/d.pdf", "%PDF");
  EXPECT_EQ(Missing(), (Lines{"d:/web/a.html#bottom <- d:/web/a.html d:/web/b.html",
                              "d:/web/b.html#Sec (sec) <- d:/web/a.html",
                              "d:/web/b.html#gone <- d:/web/a.html",
                              "d:/web/b.html#SEC (sec) <- d:/web/a.html"}));
}

// A link beginning with "/" counts as relative to its page's folder, or, with SiteRoot, to the
// site root.
TEST_F(AnchorCheck, SiteRootResolvesLinksThatBeginWithASlash) {
  files.AddFile("d:/web/a.html", "<html><a href=\"/kap/p.html#p\">p</a></html>");
  files.AddFile("d:/web/kap/p.html", "<html><a name=\"p\"></a></html>");
  files.AddFile("d:/web/sub/kap/p.html", "<html></html>");
  files.AddFile("d:/web/sub/s.html", "<html><a href=\"/kap/p.html#p\">p</a></html>");
  for (const char* root : {"", "D:\\Web"}) {
    options.SiteRoot = root;
    database = SiteDatabase();
    files.AddFile("d:/web/a.html", "<html><a href=\"sub/s.html\">s</a></html>");
    EXPECT_EQ(Missing(), *root == '\0' ? Lines{"d:/web/sub/kap/p.html#p <- d:/web/sub/s.html"}
                                      : Lines{})
        << root;
  }
}

}  // namespace
}  // namespace check_html
