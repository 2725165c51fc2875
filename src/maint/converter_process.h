// One run of the outside picture converter as a child process: started from an argument vector
// without a shell (blanks and quotes in file names are safe), its standard input and output on
// /dev/null, in a process group of its own so that a stop ends whatever it started too.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <stop_token>
#include <string>
#include <vector>

namespace check_html {

// How a child process ended.
struct ChildEnd {
  enum class How {
    kExited,     // `code` is its exit status
    kSignalled,  // `code` is the signal that ended it
    kStopped,    // the stop request came first: it was killed and reaped
  };
  How how = How::kExited;
  int code = 0;
};

class ConverterProcess {
 public:
  // Starts `program` with `arguments` behind its own name. A program name without "/" is
  // looked for along PATH.
  ConverterProcess(const std::string& program, const std::vector<std::string>& arguments);
  // A child that is still running is killed; it is always reaped.
  ~ConverterProcess();

  ConverterProcess(const ConverterProcess&) = delete;
  ConverterProcess& operator=(const ConverterProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // Why the start failed (the system's error text); empty after a start.
  const std::string& StartError() const { return start_error_; }

  // Looks every `interval` whether the child has ended, and ends the wait early when `stop` is
  // requested: the child's process group is then killed and the child reaped.
  ChildEnd Wait(std::stop_token stop, std::chrono::milliseconds interval);

 private:
  void KillAndReap();

  pid_t pid_ = -1;
  std::string start_error_;
};

// The text of an ending for a log line: "ended with exit code 2", "ended by signal 9",
// "stopped".
std::string DescribeEnd(const ChildEnd& end);

}  // namespace check_html
