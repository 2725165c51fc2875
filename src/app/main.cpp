#include <cstdio>
#include <string>
#include <vector>

#include "app/batch_options.h"
#include "app/batch_run.h"

int main(int argc, char** argv) {
  using namespace check_html;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "check_html: %s\n%s", parsed.error.c_str(), UsageText());
    return kExitBadCommandLine;
  }
  if (parsed.options.help) {
    std::fputs(UsageText(), stdout);
    return kExitRunEnded;
  }
  if (!parsed.options.batch) {
    std::fputs("check_html: the main window is not built yet; use --batch (see --help)\n", stderr);
    return kExitBadCommandLine;
  }
  return RunBatch(parsed.options, stdout, stderr);
}
