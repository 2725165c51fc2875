#include <cstdio>
#include <string>
#include <vector>

#include "app/batch_options.h"
#include "app/batch_run.h"
#include "platform/process_info.h"
#include "ui/desktop_program.h"

int main(int argc, char** argv) {
  using namespace check_html;
  UseBinaryStandardOutput();
  const std::vector<std::string> args = CommandLineArguments(argc, argv);
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "check_html: %s\n%s", parsed.error.c_str(), UsageText());
    return kExitBadCommandLine;
  }
  if (parsed.options.help) {
    std::fputs(UsageText(), stdout);
    return kExitRunEnded;
  }
  if (!parsed.options.batch) return RunDesktopProgram(argc, argv);
  return RunBatch(parsed.options, stdout, stderr);
}
