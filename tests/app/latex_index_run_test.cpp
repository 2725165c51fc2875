// A converter-mode run started at the converter chapter of the sample site rebuilds the
// chapter's index page from r_.idx. The expected page was checked by hand against the rules
// (tests/data/converter_run/README_index.md).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sample_site_run.h"

namespace check_html {
namespace {

using LatexIndexRun = SampleSiteRun;

TEST_F(LatexIndexRun, TheChaptersIndexPageIsRebuiltAsCheckedAndItsLinksListed) {
  ASSERT_EQ(Run({"--set", "tex_html=1"}, "kap04/backbone/r_.html"), kExitRunEnded);
  const std::filesystem::path backbone = Html() / "kap04/backbone";
  EXPECT_EQ(ReadWhole(backbone / "r_li2.html"),
            ReadWhole(kSource / "tests/data/converter_run/r_li2.html"));
  EXPECT_FALSE(std::filesystem::exists(backbone / "r_lii.html"));
  // The page's line, then one link per record in the order of the index file.
  const std::string refs = ReadWhole(Html() / "../pdf_split/RefList.txt");
  EXPECT_NE(refs.find("FILE r_li2.html\r\nr_li1.html#dx2-1001\r\nr_se1.html#dx3-2001\r\n"),
            std::string::npos);
  EXPECT_TRUE(
      refs.ends_with("r_se3.html#dx8-7004\r\nr_su4.html#dx9-8001\r\nr_su4.html#dx9-8002\r\n"));
}

}  // namespace
}  // namespace check_html
