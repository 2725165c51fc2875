#include "site/link_functions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace check_html {
namespace {

TEST(LinkFunctions, FolderOfAndDropLastFolderWorkOnSlashedLowerCasePaths) {
  EXPECT_EQ(FolderOf("C:\\Web\\Kap1\\X.HTML"), "c:/web/kap1/");
  EXPECT_EQ(FolderOf("x.html"), "");
  for (const auto& [folder, expected] : std::vector<std::pair<std::string, std::string>>{
           {"c:/a/b/", "c:/a/"}, {"C:\\A\\B\\", "c:/a/"}, {"c:/", ""}, {"/", ""}, {"", ""}}) {
    std::string changed = folder;
    DropLastFolder(changed);
    EXPECT_EQ(changed, expected) << folder;
  }
}

// ResolveLink follows its backwards reading; RelativeFrom climbs out of the page's folders;
// RelativePath and ReportLink also make ".html" endings.
TEST(LinkFunctions, LinksResolveAndPathsRelateAsTheRulesRead) {
  using Function = std::string (*)(std::string_view, std::string_view);
  const struct {
    Function function;
    std::string first, second, expected;
  } cases[] = {
      {ResolveLink, "c:/site/kap1/", "../styles/a.gif", "c:/site/styles/a.gif"},
      {ResolveLink, "c:/site/kap1/", "./b.html", "c:/site/kap1/b.html"},
      {ResolveLink, "c:/site/kap1/", "HTTP://X.ORG", "http://x.org"},
      {ResolveLink, "c:/site/kap1/", "https:/x", "https:/x"},
      {ResolveLink, "c:/site/kap1/", "JavaScript:Go()", "javascript:go()"},
      // Only the long script test counts here.
      {ResolveLink, "c:/site/kap1/", "javascr.html", "c:/site/kap1/javascr.html"},
      {ResolveLink, "c:/", "../../x.html", "x.html"},
      {ResolveLink, "C:\\Site\\Kap1\\", "Sub\\Y.HTML", "c:/site/kap1/sub/y.html"},
      {ResolveLink, "c:/site/kap1/", "/abs/x.html", "c:/site/kap1/abs/x.html"},
      // A "../" drops a folder wherever it stands; the text before it stays.
      {ResolveLink, "c:/site/kap1/", "a/../b.html", "c:/site/a/b.html"},
      // After "./" plain characters are dropped until the next "/" or ".".
      {ResolveLink, "c:/site/kap1/", "x./y.html", "c:/site/kap1/y.html"},
      {ResolveLink, "c:/site/kap1/", "a//b.html", "c:/site/kap1/a/b.html"},
      {ResolveLink, "c:/site/kap1/", "sub/", "c:/site/kap1/sub/"},
      {ResolveLink, "", "a.html", ""},
      {ResolveLink, "c:/site/", "\xC4RGER.HTML", "c:/site/\xE4rger.html"},
      {RelativeFrom, "c:/site/kap1/x.html", "c:/site/styles/p.gif", "../styles/p.gif"},
      {RelativeFrom, "c:/site/a/b/x.html", "c:/site/c.html", "../../c.html"},
      {RelativeFrom, "C:\\Site\\Kap1\\X.html", "c:/site/kap2/Y.HTML", "../kap2/y.html"},
      // The target's last character never ends the common part.
      {RelativeFrom, "c:/site/kap1/x.html", "c:/site/kap1/", "../kap1/"},
      {RelativeFrom, "c:/site/", "c:/site/kap1/a.htm", "kap1/a.htm"},
      {RelativeFrom, "c:/site/x.html", "", "../../"},
      {RelativePath, "c:/site/kap1/a.htm", "c:/site/", "kap1/a.html"},
      {RelativePath, "c:/site/kap1/a.htm", "c:/site", "site/kap1/a.html"},
      {RelativePath, "C:\\Site\\X.HTM", "c:/site/", "x.html"},
      {ReportLink, "c:/site/kap1/a.htm", "c:/site/", "../kap1/a.html"},
      {ReportLink, "c:/other/p.html", "C:\\Site\\", "../../other/p.html"},
      {ReportLink, "HTTP://X.ORG/A\\B", "c:/site/", "http://x.org/a\\b"},
      {ReportLink, "JavaScr.x", "c:/site/", "javascr.x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.function(c.first, c.second), c.expected) << c.first << " , " << c.second;
  }
}

TEST(LinkFunctions, MayFollowKeepsTheCrawlInsideTheSaveFolderWhenAsked) {
  const struct {
    std::string path, save_dir;
    bool look_for_subpath, expected;
  } cases[] = {
      {"c:/site/kap1/a.html", "c:/site/", true, true},
      {"c:/other/a.html", "c:/site/", true, false},
      {"c:/site/check_x.html", "c:/site/", true, false},
      {"c:/site/checks/a.html", "c:/site/", true, false},
      {"c:/site/metamod/index.html", "c:/site/", true, false},
      {"http://x.org/a.html", "c:/site/", true, false},
      {"javascr", "c:/site/", true, false},
      {"a.html", "c:/site/", true, true},  // fewer than 7 characters
      {"c:/site/kap1/a.html", "C:\\Site\\", true, true},
      {"c:/site/kap1/a.html", "c:/site", true, true},
      {"c:/other/a.html", "c:/site/", false, true},
      {"http://x.org/a.html", "c:/site/", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MayFollow(c.path, c.save_dir, c.look_for_subpath), c.expected)
        << c.path << " in " << c.save_dir;
  }
}

TEST(LinkFunctions, NormalizeLinkLowersThePathAndKeepsTheFragment) {
  const std::string long_name(251, 'A');
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Kap1/A.HTM#Sec", "kap1/a.html#Sec"},
      {"#Top", "#Top"},
      {"A.HTM#", "a.htm#"},  // a closing "#" belongs to the path
      {"HTTP://X.ORG/A.HTM", "HTTP://X.ORG/A.HTM"},
      {"JavaScript:Go()", "JavaScript:Go()"},
      {"Javascr.HTM", "javascr.html"},
      {"Dir\\A.HTM", "dir\\a.html"},
      {"\xC4.HTM", "\xE4.html"},
      {std::string(300, 'A'), std::string(255, 'a')},
      {long_name + ".HTM", std::string(251, 'a') + ".htm"},  // the added "l" is cut again
  };
  for (const auto& [link, expected] : cases) EXPECT_EQ(NormalizeLink(link), expected) << link;
}

}  // namespace
}  // namespace check_html
