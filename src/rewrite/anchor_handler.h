// The anchor and frame handlers and the removal of TeX index commands.
#pragma once

#include <string>

#include "run/options.h"

namespace check_html {

struct PageRewrite;

// Writes the text in front of the anchor and the rewritten start tag; in the equation case it
// also consumes the anchor's content and end tag.
void HandleAnchor(PageRewrite& page, const std::string& text, const std::string& tag);
// Writes the rewritten frame or frameset tag.
void HandleFrame(PageRewrite& page, const std::string& tag);
// Removes TeX index commands from `text` when xxx_mathjax is set.
void StripIndexCommands(const Options& options, std::string& text);

}  // namespace check_html
