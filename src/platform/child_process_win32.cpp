#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>

#include "platform/child_process.h"
#include "platform/text_1252_win32.h"

namespace check_html {
namespace {

// One argument as the C runtime of the child splits it again: in quotes when it holds a blank,
// a tab or a quote (or is empty), quotes and the backslashes before them escaped.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

HANDLE OpenInheritable(const std::wstring& path, DWORD access, DWORD creation) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     creation, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

struct ChildProcess::State {
  HANDLE process = nullptr;  // nullptr once reaped
  std::string start_error;
  std::optional<ChildEnd> end;

  void KillAndReap() {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
    process = nullptr;
  }
};

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& output_file)
    : state_(std::make_unique<State>()) {
  std::wstring command_line = Quoted(NativeWidePath(program));
  for (const std::string& argument : arguments) command_line += L" " + Quoted(WideFrom1252(argument));
  const HANDLE input = OpenInheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  const HANDLE output = output_file.empty()
                            ? OpenInheritable(L"NUL", GENERIC_WRITE, OPEN_EXISTING)
                            : OpenInheritable(NativeWidePath(output_file), GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION created{};
  // No application name: the first word of the command line is looked for along PATH.
  const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &created);
  const DWORD error = GetLastError();
  if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
  if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
  if (!started) {
    state_->start_error = WindowsErrorText(error);
    return;
  }
  CloseHandle(created.hThread);
  state_->process = created.hProcess;
}

ChildProcess::~ChildProcess() {
  if (state_->process != nullptr) state_->KillAndReap();
}

bool ChildProcess::Started() const {
  return state_->process != nullptr || state_->end.has_value();
}

const std::string& ChildProcess::StartError() const { return state_->start_error; }

bool ChildProcess::Running() {
  if (state_->process == nullptr) return false;
  // The wait decides, the exit code is read only after it: read first, the code of a program
  // ending between the two calls would be STILL_ACTIVE.
  if (WaitForSingleObject(state_->process, 0) == WAIT_TIMEOUT) return true;
  DWORD code = 0;
  if (!GetExitCodeProcess(state_->process, &code)) code = static_cast<DWORD>(-1);
  state_->end = ChildEnd{ChildEnd::How::kExited, static_cast<int>(code)};
  CloseHandle(state_->process);
  state_->process = nullptr;
  return false;
}

ChildEnd ChildProcess::Wait(std::stop_token stop, std::chrono::milliseconds interval) {
  std::mutex mutex;
  std::condition_variable_any wake;  // only the stop request wakes it before the interval ends
  std::unique_lock lock(mutex);
  while (Running()) {
    if (stop.stop_requested()) {
      state_->KillAndReap();
      state_->end = ChildEnd{ChildEnd::How::kStopped, 0};
      break;
    }
    wake.wait_for(lock, stop, interval, [] { return false; });
  }
  return state_->end.value_or(ChildEnd{ChildEnd::How::kExited, -1});
}

void ChildProcess::Kill() {
  if (state_->process == nullptr) return;
  state_->KillAndReap();
  state_->end = ChildEnd{ChildEnd::How::kExited, 1};
}

const char* DefaultConverter() { return "c:\\Program Files\\ImageMagick-7.0.9-Q16\\convert.exe"; }

}  // namespace check_html
