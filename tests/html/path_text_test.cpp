#include "html/path_text.h"

#include <gtest/gtest.h>

#include <string>

namespace check_html {
namespace {

TEST(PathText, ConvertsSeparatorsAndLowerCasesTableForms) {
  std::string path = "C:\\Web\\Kap1\\\xC4nderung\\X.HTML";
  BackToSlash(path);
  EXPECT_EQ(path, "c:/web/kap1/\xE4nderung/x.html");
  EXPECT_EQ(SlashToBack("Kap1/Backbone/X.htm"), "Kap1\\Backbone\\X.htm");
}

}  // namespace
}  // namespace check_html
