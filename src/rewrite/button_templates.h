// The five button picture templates of the navigation bars: each is the SRC attribute of one
// button picture followed by a blank, ready to be joined with the rest of the IMG tag. A run
// uses the PNG forms unless the settings chose GIF buttons; the choice is made at its start.
#pragma once

#include <string>

namespace check_html {

class RunContext;

struct ButtonTemplates {
  std::string Index;
  std::string Forward;
  std::string Back;
  std::string GoTo;
  std::string Pdf;
};

// The PNG forms, or the GIF forms when `png` is false.
const ButtonTemplates& ButtonForms(bool png);
// The forms of the run: its PngButtons.
const ButtonTemplates& ButtonsOf(const RunContext& run);

}  // namespace check_html
