#include "platform/process_info.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>

namespace check_html {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void UseBinaryStandardOutput() {}

void SetEnvironmentValue(const std::string& name, const std::string& value) {
  value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
}

std::string EnvironmentValue(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value == nullptr ? std::string() : std::string(value);
}

bool IsTerminal(std::FILE* file) { return isatty(fileno(file)) != 0; }

int TerminalWidth(std::FILE* file) {
  winsize ws{};
  if (ioctl(fileno(file), TIOCGWINSZ, &ws) == 0 && ws.ws_col > 10) return ws.ws_col;
  return 80;
}

}  // namespace check_html
