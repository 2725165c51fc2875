// One run of an outside program (the picture converter, or this program in the tests) as a
// child process: started from an argument vector without a shell, so blanks and quotes in file
// names are safe; no window, no input, its output to a file or nowhere. Two halves: Linux
// (child_process_posix: posix_spawn in a process group of its own, so that ending it ends what
// it started too) and Windows (child_process_win32: CreateProcessW with CREATE_NO_WINDOW, ended
// with TerminateProcess, its exit code from GetExitCodeProcess).
#pragma once

#include <chrono>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

namespace check_html {

// How a child process ended.
struct ChildEnd {
  enum class How {
    kExited,     // `code` is its exit status
    kSignalled,  // `code` is the signal that ended it (Linux)
    kStopped,    // the stop request came first: it was killed and reaped
  };
  How how = How::kExited;
  int code = 0;
};

class ChildProcess {
 public:
  // Starts `program` with `arguments` behind its own name; a program name without a folder is
  // looked for along PATH. Standard output and errors go to `output_file` (created or emptied)
  // when it is given, else nowhere.
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& output_file = {});
  // A child that is still running is killed; it is always reaped.
  ~ChildProcess();

  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const;
  // Why the start failed (the system's error text); empty after a start.
  const std::string& StartError() const;

  // True while the child runs; looks without waiting.
  bool Running();
  // Looks every `interval` whether the child has ended, and ends the wait early when `stop` is
  // requested: the child is then killed and reaped.
  ChildEnd Wait(std::stop_token stop, std::chrono::milliseconds interval);
  // Ends the child at once, as a crash would, and reaps it.
  void Kill();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The picture converter a new installation uses: Debian's ImageMagick on Linux
// ("/usr/bin/convert"), ImageMagick 7.0.9's convert.exe where it installs itself on Windows.
const char* DefaultConverter();

// The text of an ending for a log line: "ended with exit code 2", "ended by signal 9",
// "stopped".
std::string DescribeEnd(const ChildEnd& end);

}  // namespace check_html
