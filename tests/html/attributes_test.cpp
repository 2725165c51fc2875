#include "html/attributes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace check_html {
namespace {

TEST(Attributes, GetAttributeTakesTheFirstNameFollowedByEqualsAndADoubleQuotedValue) {
  const struct {
    std::string name, tag, value;
  } cases[] = {
      {"HREF", "A HREF  =  \"x.html\"", "x.html"},
      {"SRC", "IMG DATA-SRC=\"a.png\" SRC=\"b.png\"", "a.png"},  // found inside the longer word
      {"NAME", "A NAMEX NAME=\"n\"", "n"},                      // first NAME lacks "="
      {"ALT", "IMG ALT='x' SRC=\"b.png\"", "b.png"},            // single quotes not recognised
      {"ALT", "IMG ALT=x", ""},
      {"HREF", "A HREF=\"open", ""},
      {"TITLE", "A HREF=\"x\"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetAttribute(c.name, c.tag), c.value) << c.tag;
}

// As a browser reads a tag: whole names in any case, any quoting, the first of a name.
TEST(Attributes, ReadHtmlAttributeReadsAnyQuotingAndWholeNamesOnly) {
  const struct {
    std::string tag, name;
    std::optional<std::string> value;
  } cases[] = {
      {"a name=\"x y\"", "name", "x y"},       {"A NAME='x\"y'", "name", "x\"y"},
      {"a name=top href=#", "name", "top"},     {"div valid=\"v\" id=\"i\"", "id", "i"},
      {"div ID = \"i\"", "id", "i"},            {"span id=\"i\" id=\"j\"", "id", "i"},
      {"input id disabled", "id", ""},          {"br/ id=\"b\"/", "id", "b"},
      {"a\tid=\"t\"", "id", "t"},               {"div data-id=\"d\"", "id", std::nullopt},
      {"p id=\"open", "id", "open"},             {"p", "id", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<std::string_view> value = ReadHtmlAttribute(c.tag, c.name);
    EXPECT_EQ(value ? std::optional<std::string>(*value) : std::nullopt, c.value) << c.tag;
  }
}

TEST(Attributes, SetAttributeChangesRemovesOrAppendsInLowerCase) {
  const struct {
    std::string name, value, tag, result;
  } cases[] = {
      {"WIDTH", "", "TD WIDTH=\"50\" ALIGN=\"left\"", "TD  ALIGN=\"left\""},
      {"WIDTH", "5", "TD", "TD width=\"5\""},
      {"width", "7", "TD WIDTH=\"50\" ALIGN=\"left\"", "TD WIDTH=\"7\" ALIGN=\"left\""},
      {"ALT", "", "IMG SRC=\"x\"", "IMG SRC=\"x\" alt=\"\""},
      {"SRC", "n.png", "IMG DATA-SRC=\"a\" SRC=\"b\"", "IMG DATA-SRC=\"n.png\" SRC=\"b\""},
      // An attribute without a quoted value cannot be edited in place: a new one is added.
      {"WIDTH", "5", "TD WIDTH=50", "TD WIDTH=50 width=\"5\""},
  };
  for (const auto& c : cases) {
    std::string tag = c.tag;
    SetAttribute(c.name, c.value, tag);
    EXPECT_EQ(tag, c.result) << c.name << " in " << c.tag;
  }
}

TEST(Attributes, WalkerReturnsTheDoubleQuotedPairsFromLeftToRight) {
  const struct {
    std::string tag;
    std::vector<std::string> pairs;  // "name=value"
  } cases[] = {
      {"BR", {}},
      {"IMG SRC=\"a.png\" ALT = \"An \xC4pfel\" BORDER=\"0\"",
       {"SRC=a.png", "ALT=An \xC4pfel", "BORDER=0"}},
      {"A HREF=\"abc", {"HREF=ab"}},  // no closing quote: the value stops before the last byte
      {"TD WIDTH=5 ALIGN=\"left\"", {"WIDTH=left"}},
      {"P CLASS", {}},
      {"A B=\"", {}},
      {"A B=\"\"", {"B="}},
  };
  for (const auto& c : cases) {
    AttributeWalker walker;
    std::vector<std::string> pairs;
    std::string name;
    std::string value;
    for (bool more = walker.FirstAttribute(c.tag, name, value); more;
         more = walker.NextAttribute(c.tag, name, value)) {
      pairs.push_back(name + "=" + value);
    }
    EXPECT_EQ(pairs, c.pairs) << c.tag;
  }
}

}  // namespace
}  // namespace check_html
