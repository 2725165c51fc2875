#include "maint/converter_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <system_error>

extern char** environ;

namespace check_html {
namespace {

// The spawn settings, released however the start ends: no input, output and errors to
// /dev/null (the batch front end's standard output is the log), a new process group, and the
// default signal handling whatever this program has blocked or ignored.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions_, 1, 2);
    posix_spawnattr_init(&attributes_);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes_, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes_, &signals);
    posix_spawnattr_setpgroup(&attributes_, 0);
    posix_spawnattr_setflags(
        &attributes_,
        static_cast<short>(POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawn_file_actions_t* Actions() const { return &actions_; }
  const posix_spawnattr_t* Attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

ChildEnd EndOf(int status) {
  if (WIFSIGNALED(status)) return {ChildEnd::How::kSignalled, WTERMSIG(status)};
  return {ChildEnd::How::kExited, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}  // namespace

ConverterProcess::ConverterProcess(const std::string& program,
                                   const std::vector<std::string>& arguments) {
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  SpawnSetup setup;
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, program.c_str(), setup.Actions(), setup.Attributes(),
                                 argv.data(), environ);
  if (error != 0) {
    start_error_ = std::error_code(error, std::generic_category()).message();
    return;
  }
  pid_ = pid;
}

ConverterProcess::~ConverterProcess() {
  if (Started()) KillAndReap();
}

ChildEnd ConverterProcess::Wait(std::stop_token stop, std::chrono::milliseconds interval) {
  std::mutex mutex;
  std::condition_variable_any wake;  // only the stop request wakes it before the interval ends
  std::unique_lock lock(mutex);
  while (Started()) {
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      pid_ = -1;
      return EndOf(status);
    }
    if (done < 0 && errno != EINTR) break;  // no such child any more: its status is lost
    if (stop.stop_requested()) {
      KillAndReap();
      return {ChildEnd::How::kStopped, 0};
    }
    wake.wait_for(lock, stop, interval, [] { return false; });
  }
  pid_ = -1;
  return {ChildEnd::How::kExited, -1};
}

void ConverterProcess::KillAndReap() {
  kill(-pid_, SIGKILL);  // the whole group: a converter may have started helpers of its own
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
}

std::string DescribeEnd(const ChildEnd& end) {
  switch (end.how) {
    case ChildEnd::How::kExited:
      return "ended with exit code " + std::to_string(end.code);
    case ChildEnd::How::kSignalled:
      return "ended by signal " + std::to_string(end.code);
    case ChildEnd::How::kStopped:
      break;
  }
  return "stopped";
}

}  // namespace check_html
