#include "shell/start_file.h"

#include <string>

#include <gtest/gtest.h>

#include "shell/day_number.h"

namespace check_html {
namespace {

TEST(StartFile, PassesTheExtensionTestOnlyForHtmAndHtmlInTheirFirstFiveCharacters) {
  const std::pair<const char*, bool> cases[] = {
      {"d:\\web\\p.html", true}, {"/web/P.HTML", true},   {"/web/p.HtM", true},
      {"/web/p.htmlx", true},    {"/web/p.htmx", false},  {"/web/p.txt", false},
      {"/web/p", false},         {"/web/p.ht", false},    {"/web/p.html.bak", false},
      {"d:\\web.html\\x", false}, {"/web.htm/x", false}, {"", false}};
  for (const auto& [file, passes] : cases) EXPECT_EQ(HasPageExtension(file), passes) << file;
}

TEST(StartFile, LiesUnderTheParentOfTheProgramFolderInEitherSeparatorForm) {
  EXPECT_TRUE(LiesUnderParentOf("D:\\Web\\zq\\html\\p.html", "d:\\web\\prog"));
  EXPECT_TRUE(LiesUnderParentOf("\\Sites\\web\\p.html", "/sites/prog"));
  EXPECT_FALSE(LiesUnderParentOf("d:\\web", "d:\\web\\prog"));
  EXPECT_FALSE(LiesUnderParentOf("/sites2/p.html", "/sites/prog"));
}

TEST(StartFile, TakesTheSiteFolderNameFromBeforeHtmlOrElseBeforeKap) {
  const std::pair<const char*, const char*> cases[] = {
      {"d:\\web\\zq\\html\\kap1\\backbone\\p.html", "zq"},
      {"d:\\web\\script\\kap3\\x.html", "script"},
      {"d:\\web\\zq\\HTML\\kap1\\x.html", "HTML"},  // "\html\" is matched in exact case only
      {"zq\\html\\x.html", "zq"},
      {"d:\\web\\other\\x.html", ""},
      {"/web/zq/html/kap1/x.html", ""}};
  for (const auto& [file, folder] : cases) EXPECT_EQ(SiteFolderOf(file), folder) << file;
}

TEST(DayNumber, ReadsTwoDigitPartsAtFixedPlacesAndGivesZeroWhenOneIsNotANumber) {
  const std::pair<const char*, int32_t> cases[] = {
      {"15.02.24", 46205},        {"31.12.49", (149 * 12 + 12) * 31 + 31},
      {"01.01.50", 18632},        {"15/02/24", 46205},  // the separators are not looked at
      {"1.2.24", 0},              {"2024-02-15", 0},
      {"15.02.", 0},              {"", 0}};
  for (const auto& [text, number] : cases) EXPECT_EQ(DayNumberOfDateText(text), number) << text;

  EXPECT_EQ(ShortDateText(2000, 1, 5), "05.01.00");
  Options options;
  EXPECT_TRUE(SetTodayFromDateText(options, ShortDateText(2024, 2, 15)));
  EXPECT_EQ(options.TodayNumber, 46205);
  EXPECT_FALSE(SetTodayFromDateText(options, "2024-02-15"));
  EXPECT_EQ(options.TodayNumber, 0);
}

}  // namespace
}  // namespace check_html
