// Special copy: the site's pages and pictures copied for the PDF converter.
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void CopySpecial(THTML_Thread& run);

}  // namespace check_html
