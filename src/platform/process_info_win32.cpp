#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include "platform/process_info.h"
#include "platform/text_1252_win32.h"

namespace check_html {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv + 1, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Text1252Marked(wide[i]));
  LocalFree(wide);
  return arguments;
}

void UseBinaryStandardOutput() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

void SetEnvironmentValue(const std::string& name, const std::string& value) {
  // The C runtime keeps a copy of its own: both are set.
  _putenv_s(name.c_str(), value.c_str());
  SetEnvironmentVariableW(WideFrom1252(name).c_str(),
                          value.empty() ? nullptr : WideFrom1252(value).c_str());
}

std::string EnvironmentValue(const std::string& name) {
  const std::wstring wide_name = WideFrom1252(name);
  const DWORD size = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (size == 0) return std::string();
  std::wstring value(size, L'\0');
  const DWORD made = GetEnvironmentVariableW(wide_name.c_str(), value.data(), size);
  value.resize(made < size ? made : 0);
  return Text1252Marked(value);
}

bool IsTerminal(std::FILE* file) {
  DWORD mode = 0;
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

int TerminalWidth(std::FILE* file) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (!GetConsoleScreenBufferInfo(handle, &info)) return 80;
  const int width = info.srWindow.Right - info.srWindow.Left + 1;
  return width > 10 ? width : 80;
}

}  // namespace check_html
