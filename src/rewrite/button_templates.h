// The five button picture templates of the navigation bars: each is the SRC attribute of one
// button picture followed by a blank, ready to be joined with the rest of the IMG tag. The
// program starts with the PNG forms; a run without PNG buttons switches to the GIF forms at its
// start, and they stay so for the rest of the program.
#pragma once

#include <string>

namespace check_html {

extern std::string IndexButton;
extern std::string ForwardButton;
extern std::string BackButton;
extern std::string GoToButton;
extern std::string PdfButton;

// Sets all five templates to their GIF forms.
void UseGifButtons();
// Sets all five templates to their PNG forms (the start-up state).
void UsePngButtonForms();

}  // namespace check_html
