#include "lists/umlaut_entities.h"

#include <cstddef>
#include <utility>

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

// One pass: every `find` replaced, inserted text never searched again. Cutting while the result
// grows keeps the same leading bytes as cutting the finished result, so the cut is done once.
void ReplaceAll(std::string& text, char find, std::string_view replacement) {
  std::size_t at = text.find(find);
  if (at == std::string::npos) return;
  std::string result;
  result.reserve(text.size() + 8 * replacement.size());
  std::size_t from = 0;
  for (; at != std::string::npos && result.size() < kTextCapacity; at = text.find(find, from)) {
    result.append(text, from, at - from);
    result += replacement;
    from = at + 1;
  }
  if (result.size() < kTextCapacity && from < text.size()) result.append(text, from);
  if (result.size() > kReplacedCapacity) result.resize(kReplacedCapacity);
  text = std::move(result);
}

}  // namespace

std::string UmlautToEntity(std::string_view text) {
  std::string result(text.substr(0, kTextCapacity));
  for (const Entity& entity : kEntities) ReplaceAll(result, entity.character, entity.entity);
  return result;
}

}  // namespace check_html
