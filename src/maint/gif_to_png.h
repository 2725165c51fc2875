// GIF to PNG: the site's GIF pictures converted by an external picture converter.
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void ConvertGifs(THTML_Thread& run);

}  // namespace check_html
