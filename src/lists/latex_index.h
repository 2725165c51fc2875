// The LaTeX index page of a converted document, built from the converter's .idx file.
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void WriteLatexIndex(THTML_Thread& run);

}  // namespace check_html
