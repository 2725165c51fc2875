#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "list_run.h"
#include "lists/news_entry.h"

namespace check_html {
namespace {

using NewsList = ListTest;

TEST(NewsEntry, ReadsDateFieldsWithBlanksSignsAndHexadecimalDigits) {
  const std::optional<int32_t> none;
  const std::vector<std::pair<std::string, std::optional<int32_t>>> cases = {
      {"07", 7},  {" 7", 7}, {"+7", 7},  {"-7", -7},  {"$A", 10},  {"xf", 15}, {"7", 7},
      {"", none}, {"  ", none}, {"7 ", none}, {"$", none}, {"-", none}, {"1a", none}, {"0x", none}};
  for (const auto& [field, value] : cases) EXPECT_EQ(ReadDateField(field), value) << field;
}

// The rows of a written news page: the lines between its heading row and the table end.
std::string Rows(const std::string& page) {
  const std::size_t begin = page.find("Comment</H3></TD></TR>\r\n");
  const std::size_t end = page.find("</TABLE>");
  if (begin == std::string::npos || end == std::string::npos) return page;
  return page.substr(begin + 24, end - begin - 24);
}

std::string Row(std::string date, std::string page, std::string name, std::string comment) {
  return CrLfLines(
      {"<TR><TD WIDTH=\"130\"> " + date + " </TD>",
       "<TD Width=\"350\"><A HREF=\"../" + page + "#" + name + "\"> ../" + page + "</A></TD>",
       "<TD WIDTH=\"300\"> " + comment + " </TD></TR>"});
}

// Year 00 is newer than 99; equal dates come out in the exchange sort's order, here the
// reverse of the chain's; a name of five characters has no year and is left out.
TEST_F(NewsList, ListsDatedAnchorsNewestFirstOnBothPages) {
  AddAnchor("$0101", "d:/site/a.html");
  AddAnchor("$010100", "d:/site/b.html");
  AddAnchor("$150324x_y", "d:/site/a.html", "d:/site/kap1/p.html", "Top");
  AddAnchor("$311299 Alt_x", "d:/site/a.html");
  AddAnchor("$311299 Neu", "d:/site/c.html");
  AddAnchor("$x1$A 9 Hex", "d:/site/b.html");
  AddAnchor("!Ampere", "d:/site/a.html");
  WriteNewsList(run, "d:\\site\\check\\overview_main.html", true);
  WriteNewsList(run, "d:\\site\\check\\zq_new.html", false);
  const std::string rows =
      Row("<A HREF=\"../kap1/p.html#top\">15.03.24</A>", "a.html", "$150324x_y", "&nbsp;") +
      Row("x1.$A. 9", "b.html", "$x1$A 9 Hex", "Hex") +
      Row("01.01.00", "b.html", "$010100", "&nbsp;") +
      Row("31.12.99", "c.html", "$311299 Neu", "Neu") +
      Row("31.12.99", "a.html", "$311299 Alt_x", "Alt");
  const std::string overview = Written("d:/site/check/overview_main.html");
  const std::string news = Written("d:/site/check/zq_new.html");
  EXPECT_EQ(Rows(overview), rows);
  EXPECT_EQ(Rows(news), rows);
  // Only the main page calls the site's date scripts (both pages whole: the sample site run).
  EXPECT_NE(overview.find("Show_Act_Dates();"), std::string::npos);
  EXPECT_EQ(news.find("<SCRIPT"), std::string::npos);
  EXPECT_EQ(front_end.Events(),
            (std::vector<std::string>{"status Speichere File d:\\site\\check\\overview_main.html",
                                      "status Speichere File d:\\site\\check\\zq_new.html"}));
}

// The page keeps its fixed size; the anchors past it (the last in chain order) are counted in
// one log line instead of vanishing unnoticed.
TEST_F(NewsList, DropsDatedAnchorsBeyondTheThousandthWithOneLogLine) {
  for (int n = 0; n < 1003; ++n)
    AddAnchor("$010120 c" + std::to_string(10000 + n), "d:/site/a.html");
  WriteNewsList(run, "d:\\site\\check\\zq_new.html", false);
  const std::string page = Written("d:/site/check/zq_new.html");
  EXPECT_NE(page.find("c10999 </TD>"), std::string::npos);
  EXPECT_EQ(page.find("c11000"), std::string::npos);
  EXPECT_EQ(front_end.Events().back(),
            "log !!!News list full: 3 dated anchors dropped from d:\\site\\check\\zq_new.html");
}

}  // namespace
}  // namespace check_html
