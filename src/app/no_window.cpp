// RunDesktopProgram of a build without the Qt window: the program says how to run it instead.
#include <cstdio>

#include "app/batch_run.h"
#include "ui/desktop_program.h"

namespace check_html {

int RunDesktopProgram(int&, char**) {
  std::fputs("check_html: this build has no window; run it with --batch (see --help)\n", stderr);
  return kExitBadCommandLine;
}

}  // namespace check_html
