// Batch runs in converter mode over the sample site's converter chapter (kap04, made by the TeX
// converter from tests/data/converter/r_.tex, its formulas in zq/pdf_split/all_math.txt): once
// with the formulas replaced by their TeX source for MathJax, once with the MathML normalised.
// The expected pages under tests/data/converter_run were checked by hand.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <vector>

#include "../platform/temp_folder.h"
#include "app/batch_run.h"
#include "shell/options.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = CHECK_HTML_SOURCE_DIR;
// The chapter's pages that hold formulas (the index page r_li2 is another pass's work).
const char* const kMathPages[] = {"r_li1.html", "r_se1.html", "r_se2.html", "r_se3.html",
                                  "r_su1.html", "r_su2.html", "r_su3.html", "r_su4.html"};

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

class ConverterChapter : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptions();
    fs::copy(kSource / "examples/site", site_.Path(), fs::copy_options::recursive);
  }
  void TearDown() override { ResetOptions(); }

  // Runs from the chapter's title page and checks that no formula was logged as a problem.
  void Run(bool for_mathjax) {
    const std::string check = site_.Path() + "/zq/html/check";
    const std::string log = site_.Path() + "/run.log";
    const std::vector<std::string> args = {
        "--batch", "--quiet", "--start", (Chapter() / "r_.html").string(), "--out", check,
        "--settings-dir", check, "--today", "06.12.26", "--set", "tex_html=1", "--set",
        for_mathjax ? "for_mathjax=1" : "for_mathjax=0", "--log", log};
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(RunBatch(ParseCommandLine(args).options, stdout, err), kExitRunEnded);
    std::fclose(err);
    const std::regex math_problem(
        "^!!!(no (block|inline) in|mismatch|No brack|Formula file|.* </[^ ]*>$)",
        std::regex::ECMAScript | std::regex::multiline);
    EXPECT_FALSE(std::regex_search(ReadWhole(log), math_problem));
  }
  fs::path Chapter() const { return fs::path(site_.Path()) / "zq/html/kap04/backbone"; }
  void ExpectPagesAsChecked(const char* mode) const {
    for (const char* page : {"r_su1.html", "r_su3.html"}) {
      EXPECT_EQ(ReadWhole(Chapter() / page),
                ReadWhole(kSource / "tests/data/converter_run" / mode / page))
          << mode << "/" << page;
    }
  }

  TempFolder site_;
};

TEST_F(ConverterChapter, MathJaxModeReplacesEveryFormulaByItsEntry) {
  Run(true);
  for (const char* page : kMathPages) {
    EXPECT_EQ(ReadWhole(Chapter() / page).find("<math"), std::string::npos) << page;
  }
  ExpectPagesAsChecked("mathjax");
}

TEST_F(ConverterChapter, MathMLModeKeepsEveryFormulaBalanced) {
  Run(false);
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
