// A hand-written-mode run with table repair over a copy of the sample site. The expected page
// and log lines under tests/data/sample_site/table_repair were checked by hand against the
// repair rules and the tables of kap03/basics/stoffwerte.html.
#include <gtest/gtest.h>

#include <algorithm>

#include "html/path_text.h"
#include "platform/case_map.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

using TableRepairRun = SampleSiteRun;

// The log lines from the first to the last message ("+++" or "!!!") that names `page`, with
// `page` written as PAGE.
std::string LinesAbout(const std::vector<std::string>& log, const std::string& page) {
  const auto names = [&](const std::string& line) {
    return (line.starts_with("+++") || line.starts_with("!!!")) &&
           line.find(page) != std::string::npos;
  };
  const auto first = std::find_if(log.begin(), log.end(), names);
  const auto last = std::find_if(log.rbegin(), log.rend(), names).base();
  std::string lines;
  for (auto line = first; line < last; ++line) {
    std::string text = *line;
    if (const size_t at = text.find(page); at != std::string::npos) {
      text.replace(at, page.size(), "PAGE");
    }
    lines += text + "\n";
  }
  return lines;
}

// Every table of the page asks for another repair; the page is repaired after its rewrite, and
// its repair log lines follow one another.
TEST_F(TableRepairRun, RepairsEachTableOfTheTablePageAndLogsWhatItDid) {
  ASSERT_EQ(Run({"--set", "tex_html=0", "--set", "DoNice_Item=1"}), kExitRunEnded);
  const std::string page = "kap03/basics/stoffwerte.html";
  EXPECT_EQ(ReadWhole(Html() / page), ReadWhole(kExpected / "table_repair" / page));
  EXPECT_EQ(LinesAbout(LogLines(), SlashToBack(LowerCase((Html() / page).string()))),
            ReadWhole(kExpected / "table_repair/stoffwerte_log.txt"));
}

}  // namespace
}  // namespace check_html
