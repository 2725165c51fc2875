// End-to-end runs of the batch front end over a copy of the bundled sample site. The expected
// files under tests/data/sample_site were checked by hand against the sample pages.
#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "../platform/loopback_http_server.h"
#include "sample_site_run.h"
#include "html/path_text.h"
#include "platform/case_map.h"
#include "site/page_lists.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

using SampleSite = SampleSiteRun;

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }
using BindBackRun = SampleSiteRun;
using TableRepairRun = SampleSiteRun;

TEST_F(SampleSite, ALinkCheckWritesTheThreeReportsAndChangesNothingElse) {
  const auto before = Snapshot(Html());
  ASSERT_EQ(Run({"--check-only"}), kExitRunEnded);
  auto after = Snapshot(Html());
  for (const std::string report : {"zq_check.html", "zq_bad.html", "zq_dum.html"}) {
    EXPECT_EQ(after["check/" + report], ReadWhole(kExpected / report)) << report;
    after.erase("check/" + report);
  }
  EXPECT_EQ(after, before);
  EXPECT_FALSE(fs::exists(Html() / "../pdf_split/RefList.txt"));
}

// The anchor check adds its report (checked by hand: the fragments that the pages as read lack,
// among them the converter's own crosslinks and a go-to link to an anchor that only a rewrite
// generates) and the findings go to a JSON document; the other reports stay as they are.
TEST_F(SampleSite, TheAnchorCheckReportsMissingAnchorsAndTheFindingsGoToJson) {
  const fs::path json = fs::path(site_.Path()) / "findings.json";
  ASSERT_EQ(Run({"--check-only", "--set", "CheckAnchors=1", "--json", json.string(),
                 "--fail-on-broken"}),
            kExitFoundBroken);
  for (const std::string report : {"zq_check.html", "zq_bad.html", "zq_dum.html", "zq_anchors.html"}) {
    EXPECT_EQ(ReadWhole(Html() / "check" / report), ReadWhole(kExpected / report)) << report;
  }
  const nlohmann::json findings = nlohmann::json::parse(ReadWhole(json));
  EXPECT_EQ(findings["site"]["start"], "../start.html");
  EXPECT_EQ(findings["site"]["pages_scanned"], 43);
  EXPECT_EQ(findings["missing"].size(), 5u);
  EXPECT_EQ(findings["missing"][0],
            nlohmann::json::parse(R"({"kind": "link", "path": "../kap01/illustr/feder.html",
                                      "from": ["../kap01/basics/einheiten.html"]})"));
  EXPECT_EQ(findings["missing"][4]["kind"], "picture");
  const nlohmann::json& anchors = findings["missing_anchors"];
  ASSERT_EQ(anchors.size(), 16u);
  EXPECT_EQ(anchors[6], nlohmann::json::parse(R"({"page": "../kap01/basics/einheiten.html",
      "fragment": "einheit", "nearly": "Einheit", "from": ["../kap01/basics/einheiten.html"]})"));
  EXPECT_EQ(findings["unreferenced"][1], "../kap04/backbone/r_.idx");
  // Without the option the exit code stays 0.
  EXPECT_EQ(Run({"--check-only"}), kExitRunEnded);
}

// The start page's three links to www.example.org point at a loopback server instead: the
// start of the site answers, one page is gone, one moved for good. The report, with the server's
// address written back as www.example.org, was checked by hand; the results are kept in the
// output folder, and a second run asks only the broken address again.
TEST_F(SampleSite, TheExternalCheckReportsBrokenAndMovedAddressesAndKeepsTheResults) {
  LoopbackHttpServer server([](const HttpTestRequest& request) {
    HttpTestReply reply;
    if (request.path == "/messwerte.html") reply.status = 404;
    if (request.path == "/alt/formeln.html") {
      reply.status = 301;
      reply.headers = {{"Location", "/neu/formeln.html"}};
    }
    return reply;
  });
  const std::string loopback = server.Url("");
  const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
      text.replace(at, from.size(), to);
    }
    return text;
  };
  const fs::path start = Html() / "start.html";
  const std::string page = replaced(ReadWhole(start), "http://www.example.org", loopback);
  std::ofstream(start, std::ios::binary) << page;
  const fs::path json = fs::path(site_.Path()) / "findings.json";
  const auto report = [&] {
    return replaced(ReadWhole(Html() / "check/zq_ext.html"), loopback, "http://www.example.org");
  };

  const std::vector<std::string> check = {"--check-only", "--set", "CheckExternal=1", "--json",
                                          json.string(), "--fail-on-broken"};
  ASSERT_EQ(Run(check), kExitFoundBroken);
  EXPECT_EQ(report(), ReadWhole(kExpected / "zq_ext.html"));
  EXPECT_EQ(server.Requests(), 4);
  const nlohmann::json external = nlohmann::json::parse(ReadWhole(json))["external"];
  EXPECT_EQ(external, nlohmann::json::parse(replaced(
      R"([{"address": "L/messwerte.html", "verdict": "broken", "status": 404, "error": "404",
           "from": ["../start.html"]},
          {"address": "L/alt/formeln.html", "verdict": "moved", "status": 200,
           "new_address": "L/neu/formeln.html", "from": ["../start.html"]}])",
      "L/", loopback + "/")));

  ASSERT_EQ(Run(check), kExitFoundBroken);
  EXPECT_EQ(server.Requests(), 5);  // the broken one only
  EXPECT_NE(report().find("Gepr&uuml;ft: 3, OK: 1, aus dem Cache: 2"), std::string::npos);
  EXPECT_EQ(LineCount(ReadWhole(Html() / "check/check_html_ext.cache")), 3);
  EXPECT_EQ(Run({"--check-only", "--set", "CheckExternal=1"}), kExitRunEnded);
}

// A hand-written-mode run writes the list pages, checked by hand against the anchors of the
// sample pages, and rewrites the pages, checked by hand against the rewrite rules; each page
// keeps its old text under its name with the extension "bak" (loesung1 was a .htm page).
TEST_F(SampleSite, AHandWrittenModeRunWritesTheListPagesAndRewritesThePagesAsChecked) {
  ASSERT_EQ(Run({"--set", "tex_html=0"}), kExitRunEnded);
  for (const char* list : {"zq_index.html", "zq_index_ge.html", "zq_index_en.html", "zq_name.html",
                           "zq_abk.html", "zq_transl.html", "overview_main.html", "zq_new.html"}) {
    EXPECT_EQ(ReadWhole(Html() / "check" / list), ReadWhole(kExpected / "lists" / list)) << list;
  }
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
// kap01/advanced/impulsse2.html, whose files come before the chapter's. The run in this (TeX)
// mode writes the reference list and keeps the backups in scanned folders without BakClear.
TEST_F(SampleSite, AConverterModeRunRewritesThePagesAsCheckedAndWritesTheReferenceList) {
  ASSERT_EQ(Run({}), kExitRunEnded);
  for (const char* page :
       {"kap04/backbone/r_se1.html", "kap04/backbone/r_li1.html", "kap04/backbone/r_su2.html",
        "kap04/backbone/r_.html", "kap01/advanced/impulsse2.html", "kap01/illustr/kraft.html"}) {
    EXPECT_EQ(ReadWhole(Html() / page), ReadWhole(kExpected / "rewrite_converter" / page)) << page;
  }
  EXPECT_EQ(ReadWhole(Html() / "../pdf_split/RefList.txt").substr(0, 4), "zq\r\n");
  EXPECT_TRUE(fs::exists(Html() / "kap01/basics/notizen.bak"));
}

// In converter mode with formulas for MathJax the formula file is read before any page is
// rewritten; without the reference list's folder the run ends when it writes the list.
TEST_F(SampleSite, AMissingFormulaFileOrReferenceListFolderEndsTheRunWithAFileError) {
  fs::remove(Html() / "../pdf_split/all_math.txt");
  const auto before = Snapshot(Html());
  EXPECT_EQ(Run({}), kExitFileError);
  const std::vector<std::string> log = LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_TRUE(log.back().starts_with("!!!File can not be opend: ")) << log.back();
  EXPECT_TRUE(log.back().ends_with("check\\..\\..\\pdf_split\\all_math.txt")) << log.back();
  auto after = Snapshot(Html());
  after.erase("check/zq_check.html");
  EXPECT_EQ(after, before);

  fs::remove_all(Html() / "../pdf_split");
  EXPECT_EQ(Run({"--set", "for_mathjax=0"}), kExitFileError);
  EXPECT_NE(LogLines().back().find("RefList.txt"), std::string::npos);
}

// A chapter-binding run started from chapter 1's contents page; the expected pages under
// tests/data/sample_site/bind_back were checked by hand against the binding rules and the
// sample's backbone pages. The rewrite after the binding moves every page to its ".bak" name, so
// the backups hold what the binding wrote: the regenerated contents pages and the backbone pages
// cut at their old bar (or body end) with a new bar. Chapter 4 has no r4 page, so the chain ends with chapter 3. The
// backbone list holds the chapters' pages in chapter and name order, lower case and in backslash
// form after the end-of-run update.
TEST_F(BindBackRun, BindsTheThreeChaptersAndListsTheirPagesInChapterOrder) {
  ASSERT_EQ(Run({"--set", "tex_html=0", "--set", "BindBack=1"}, "kap01/backbone/r1.html"),
            kExitRunEnded);
  std::vector<std::string> backbone;
  for (const std::string page : {"kap01/backbone/r1", "kap01/backbone/r1_1", "kap01/backbone/r1_2",
                                 "kap02/backbone/r2", "kap02/backbone/r2_1", "kap03/backbone/r3",
                                 "kap03/backbone/r3_1", "kap03/backbone/r3_2"}) {
    EXPECT_EQ(ReadWhole(Html() / (page + ".bak")),
              ReadWhole(kExpected / "bind_back" / (page + ".html")))
        << page;
    backbone.push_back(SlashToBack(LowerCase((Html() / (page + ".html")).string())));
  }
  // The end-of-run list update logs the backbone list's entries and count.
  backbone.push_back(std::to_string(backbone.size()));
  const std::vector<std::string> log = LogLines();
  const auto first = std::find(log.begin(), log.end(), backbone.front());
  ASSERT_LE(std::distance(first, log.end()), static_cast<std::ptrdiff_t>(log.size()));
  EXPECT_EQ(std::vector<std::string>(first, first + std::min<std::ptrdiff_t>(
                                                       std::distance(first, log.end()),
                                                       static_cast<std::ptrdiff_t>(backbone.size()))),
            backbone);
}

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

// A hand-written-mode run with table repair: the expected page and log lines under
// tests/data/sample_site/table_repair were checked by hand against the repair rules and the
// tables of kap03/basics/stoffwerte.html. Every table of the page asks for another repair; the
// page is repaired after its rewrite, and its repair log lines follow one another. BakClear
// deletes the backups in scanned folders.
TEST_F(TableRepairRun, RepairsEachTableOfTheTablePageAndLogsWhatItDid) {
  ASSERT_EQ(Run({"--set", "tex_html=0", "--set", "DoNice_Item=1", "--set", "BakClear=1"}),
            kExitRunEnded);
  EXPECT_FALSE(fs::exists(Html() / "kap01/basics/notizen.bak"));
  const std::string page = "kap03/basics/stoffwerte.html";
  EXPECT_EQ(ReadWhole(Html() / page), ReadWhole(kExpected / "table_repair" / page));
  EXPECT_EQ(LinesAbout(LogLines(), SlashToBack(LowerCase((Html() / page).string()))),
            ReadWhole(kExpected / "table_repair/stoffwerte_log.txt"));
}

}  // namespace
}  // namespace check_html
