#include "lists/umlaut_entities.h"

#include <gtest/gtest.h>

#include <string>

namespace check_html {
namespace {

TEST(UmlautToEntity, ReplacesTheEightCharactersAndCutsAt255Or254AfterAReplacement) {
  const std::string a250(250, 'a');
  const struct {
    std::string text, expected;
  } kCases[] = {
      {"\xF6\xE4\xFC\xD6\xC4\xDC\xDF\xE9\xC9",
       "&ouml;&auml;&uuml;&Ouml;&Auml;&Uuml;&szlig;&eacute;\xC9"},
      {std::string(300, 'a'), std::string(255, 'a')},
      {a250 + "\xE4", (a250 + "&auml;").substr(0, 254)},
      {std::string(254, 'b') + "\xE4", std::string(254, 'b')},
      // Every pass cuts: the \xF6 pass ends at 254, then the \xFC pass cuts its own result.
      {a250 + "\xFC\xF6", (a250 + "&uuml;").substr(0, 254)},
  };
  for (const auto& c : kCases) EXPECT_EQ(UmlautToEntity(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace check_html
