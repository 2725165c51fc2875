#include "lists/umlaut_entities.h"

#include <algorithm>
#include <cstddef>

#include "html/text_scan.h"

namespace check_html {
namespace {

constexpr std::size_t kTextCapacity = 255;
// A pass that replaced something ends with one character less: its text is cut to 254.
constexpr std::size_t kReplacedCapacity = 254;

struct Entity {
  char character;
  std::string_view entity;
};

constexpr Entity kEntities[] = {
    {'\xF6', "&ouml;"}, {'\xE4', "&auml;"}, {'\xFC', "&uuml;"}, {'\xD6', "&Ouml;"},
    {'\xC4', "&Auml;"}, {'\xDC', "&Uuml;"}, {'\xDF', "&szlig;"}, {'\xE9', "&eacute;"},
};


}  // namespace

std::string UmlautToEntity(std::string_view text) {
  std::string result(text.substr(0, kTextCapacity));
  for (const Entity& entity : kEntities) {
    if (ReplaceAll(result, std::string_view(&entity.character, 1), entity.entity)) {
      result.resize(std::min(result.size(), kReplacedCapacity));
    }
  }
  return result;
}

}  // namespace check_html
