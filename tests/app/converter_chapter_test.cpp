// Batch runs in converter mode over the sample site's converter chapter (kap04, made by the TeX
// converter from tests/data/converter/r_.tex, its formulas in zq/pdf_split/all_math.txt): once
// with the formulas replaced by their TeX source for MathJax, once with the MathML normalised.
// The expected pages under tests/data/converter_run were checked by hand (the index page against
// the rules in tests/data/converter_run/README_index.md).
#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "sample_site_run.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

// The chapter's pages that hold formulas (the index page r_li2 is another pass's work).
const char* const kMathPages[] = {"r_li1.html", "r_se1.html", "r_se2.html", "r_se3.html",
                                  "r_su1.html", "r_su2.html", "r_su3.html", "r_su4.html"};

// Number of math elements in `page` when their tags nest properly (each end tag closes the
// innermost open element, tags ending in "/" close themselves), else -1.
int BalancedMathElements(const std::string& page) {
  int elements = 0;
  std::vector<std::string> open;
  for (size_t lt = page.find('<'); lt != std::string::npos; lt = page.find('<', lt + 1)) {
    const std::string tag = page.substr(lt + 1, page.find('>', lt) - lt - 1);
    if (tag.starts_with("!")) continue;  // comments
    const std::string name = tag.substr(0, tag.find_first_of(" \n/", 1));
    if (open.empty() && name != "math") continue;
    elements += name == "math";
    if (tag.starts_with("/")) {
      if (open.empty() || open.back() != name.substr(1)) return -1;
      open.pop_back();
    } else if (!tag.ends_with("/")) {
      open.push_back(name);
    }
  }
  return open.empty() ? elements : -1;
}

class ConverterChapter : public SampleSiteRun {
 protected:
  // Runs from the chapter's title page and checks that no formula was logged as a problem.
  void RunChapter(bool for_mathjax) {
    const std::string log = site_.Path() + "/run.log";
    EXPECT_EQ(Run({"--set", "tex_html=1", "--set", for_mathjax ? "for_mathjax=1" : "for_mathjax=0",
                   "--log", log},
                  "kap04/backbone/r_.html"),
              kExitRunEnded);
    const std::regex math_problem(
        "^!!!(no (block|inline) in|mismatch|No brack|Formula file|.* </[^ ]*>$)",
        std::regex::ECMAScript | std::regex::multiline);
    EXPECT_FALSE(std::regex_search(ReadWhole(log), math_problem));
  }
  fs::path Chapter() const { return Html() / "kap04/backbone"; }
  void ExpectPagesAsChecked(const char* mode) const {
    for (const char* page : {"r_su1.html", "r_su3.html"}) {
      EXPECT_EQ(ReadWhole(Chapter() / page),
                ReadWhole(kSource / "tests/data/converter_run" / mode / page))
          << mode << "/" << page;
    }
  }
};

// The run also rebuilds the chapter's index page from r_.idx and lists its links.
TEST_F(ConverterChapter, MathJaxModeReplacesEveryFormulaByItsEntryAndRebuildsTheIndexPage) {
  RunChapter(true);
  for (const char* page : kMathPages) {
    EXPECT_EQ(ReadWhole(Chapter() / page).find("<math"), std::string::npos) << page;
  }
  ExpectPagesAsChecked("mathjax");
  EXPECT_EQ(ReadWhole(Chapter() / "r_li2.html"),
            ReadWhole(kSource / "tests/data/converter_run/r_li2.html"));
  EXPECT_FALSE(fs::exists(Chapter() / "r_lii.html"));
  // The page's line, then one link per record in the order of the index file.
  const std::string refs = ReadWhole(Html() / "../pdf_split/RefList.txt");
  EXPECT_NE(refs.find("FILE r_li2.html\r\nr_li1.html#dx2-1001\r\nr_se1.html#dx3-2001\r\n"),
            std::string::npos);
  EXPECT_TRUE(
      refs.ends_with("r_se3.html#dx8-7004\r\nr_su4.html#dx9-8001\r\nr_su4.html#dx9-8002\r\n"));
}

TEST_F(ConverterChapter, MathMLModeKeepsEveryFormulaBalanced) {
  RunChapter(false);
  const fs::path source = kSource / "tests/data/converter";
  for (const char* page : kMathPages) {
    EXPECT_EQ(BalancedMathElements(ReadWhole(Chapter() / page)),
              BalancedMathElements(ReadWhole(source / page)))
        << page;
  }
  ExpectPagesAsChecked("mathml");
}

}  // namespace
}  // namespace check_html
