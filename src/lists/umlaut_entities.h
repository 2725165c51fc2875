// German special characters of the generated lists as HTML entities.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// `text` cut to 255 characters with the eight characters \xF6 \xE4 \xFC \xD6 \xC4 \xDC \xDF \xE9
// replaced by "&ouml;" ... "&eacute;", one pass per character in that order. Each pass keeps at
// most 255 characters, and a pass that replaced anything keeps at most 254.
std::string UmlautToEntity(std::string_view text);

}  // namespace check_html
