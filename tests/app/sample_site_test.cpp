// End-to-end runs of the batch front end over a copy of the bundled sample site. The expected
// reports under tests/data/sample_site were checked by hand against the sample pages.
#include <gtest/gtest.h>

#include "sample_site_run.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

using SampleSite = SampleSiteRun;

TEST_F(SampleSite, ALinkCheckWritesTheThreeReportsAndChangesNothingElse) {
  const auto before = Snapshot(Html());
  ASSERT_EQ(Run({"--check-only"}), kExitRunEnded);
  for (const char* report : {"zq_check.html", "zq_bad.html", "zq_dum.html"}) {
    EXPECT_EQ(ReadWhole(Html() / "check" / report), ReadWhole(kExpected / report)) << report;
  }
  auto after = Snapshot(Html());
  for (const char* report : {"check/zq_check.html", "check/zq_bad.html", "check/zq_dum.html"}) {
    after.erase(report);
  }
  EXPECT_EQ(after, before);
  EXPECT_FALSE(fs::exists(Html() / "../pdf_split/RefList.txt"));
}

// A run in hand-written mode writes the list pages; the expected ones were checked by hand
// against the anchors of the sample pages.
TEST_F(SampleSite, AHandWrittenModeRunWritesTheListPagesAsChecked) {
  ASSERT_EQ(Run({"--set", "tex_html=0"}), kExitRunEnded);
  for (const char* list : {"zq_index.html", "zq_index_ge.html", "zq_index_en.html", "zq_name.html",
                           "zq_abk.html", "zq_transl.html", "overview_main.html", "zq_new.html"}) {
    EXPECT_EQ(ReadWhole(Html() / "check" / list), ReadWhole(kExpected / "lists" / list)) << list;
  }
}

// The rewritten pages of a hand-written-mode run, checked by hand against the rewrite rules; each
// keeps its old text under the page's name with the extension "bak" (loesung1 was a .htm page).
TEST_F(SampleSite, AHandWrittenModeRunRewritesThePagesAsChecked) {
  ASSERT_EQ(Run({"--set", "tex_html=0"}), kExitRunEnded);
  const fs::path original = kSource / "examples/site/zq/html";
  for (const char* page :
       {"kap01/illustr/kraft.html", "kap01/illustr/federn.html", "kap01/illustr/vergleich.html",
        "kap02/basics/daempfung.html", "kap01/exercise/loesung1.html",
        "kap02/illustr/messung/pendelmessung.html", "kap01/advanced/impulsse1.html",
        "kap02/backbone/r2_1.html"}) {
    EXPECT_EQ(ReadWhole(Html() / page), ReadWhole(kExpected / "rewrite_handwritten" / page))
        << page;
    fs::path old_name = original / page;
    if (!fs::exists(old_name)) old_name.replace_extension(".htm");
    EXPECT_EQ(ReadWhole(fs::path(Html() / page).replace_extension(".bak")), ReadWhole(old_name))
        << page;
  }
  EXPECT_FALSE(fs::exists(Html() / "kap01/exercise/loesung1.htm"));
}

// Converter mode rewrites the converter chapter and the hand-written pages alike. The section
// fields of the bars come from the highest section page met so far in the run, here
// kap01/advanced/impulsse2.html, whose files come before the chapter's.
TEST_F(SampleSite, AConverterModeRunRewritesThePagesAsChecked) {
  ASSERT_EQ(Run({}), kExitRunEnded);
  for (const char* page :
       {"kap04/backbone/r_se1.html", "kap04/backbone/r_li1.html", "kap04/backbone/r_su2.html",
        "kap04/backbone/r_.html", "kap01/advanced/impulsse2.html", "kap01/illustr/kraft.html"}) {
    EXPECT_EQ(ReadWhole(Html() / page), ReadWhole(kExpected / "rewrite_converter" / page)) << page;
  }
}

TEST_F(SampleSite, AFullRunInTexModeWritesTheReferenceList) {
  ASSERT_EQ(Run({}), kExitRunEnded);
  EXPECT_EQ(ReadWhole(Html() / "../pdf_split/RefList.txt").substr(0, 4), "zq\r\n");
  // The backup in a scanned folder is kept without BakClear.
  EXPECT_TRUE(fs::exists(Html() / "kap01/basics/notizen.bak"));
}

TEST_F(SampleSite, BakClearDeletesBackupsInScannedFolders) {
  ASSERT_EQ(Run({"--set", "BakClear=1"}), kExitRunEnded);
  EXPECT_FALSE(fs::exists(Html() / "kap01/basics/notizen.bak"));
}

TEST_F(SampleSite, AMissingReferenceListFolderEndsTheRunWithAFileError) {
  fs::remove_all(Html() / "../pdf_split");
  EXPECT_EQ(Run({}), kExitFileError);
  std::string log;
  for (const std::string& line : LogLines()) log += line + "\n";
  EXPECT_NE(log.find("!!!"), std::string::npos) << log;
}

}  // namespace
}  // namespace check_html
