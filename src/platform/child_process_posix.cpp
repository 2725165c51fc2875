#include "platform/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>

extern char** environ;

namespace check_html {
namespace {

// The spawn settings, released however the start ends: no input, output and errors to the
// output file or /dev/null (the batch front end's standard output is the log), a new process
// group, and the default signal handling whatever this program has blocked or ignored.
class SpawnSetup {
 public:
  explicit SpawnSetup(const std::string& output_file) {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    const char* output = output_file.empty() ? "/dev/null" : output_file.c_str();
    posix_spawn_file_actions_addopen(&actions_, 1, output, O_WRONLY | O_CREAT | O_TRUNC, 0666);
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

struct ChildProcess::State {
  pid_t pid = -1;  // -1 once reaped
  std::string start_error;
  std::optional<ChildEnd> end;

  void KillAndReap() {
    kill(-pid, SIGKILL);  // the whole group: a converter may have started helpers of its own
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    pid = -1;
  }
};

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& output_file)
    : state_(std::make_unique<State>()) {
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  SpawnSetup setup(output_file);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, program.c_str(), setup.Actions(), setup.Attributes(),
                                 argv.data(), environ);
  if (error != 0) {
    state_->start_error = std::error_code(error, std::generic_category()).message();
    return;
  }
  state_->pid = pid;
}

ChildProcess::~ChildProcess() {
  if (state_->pid > 0) state_->KillAndReap();
}

bool ChildProcess::Started() const { return state_->pid > 0 || state_->end.has_value(); }

const std::string& ChildProcess::StartError() const { return state_->start_error; }

bool ChildProcess::Running() {
  if (state_->pid <= 0) return false;
  int status = 0;
  const pid_t done = waitpid(state_->pid, &status, WNOHANG);
  if (done == state_->pid) {
    state_->end = EndOf(status);
  } else if (done == 0 || errno == EINTR) {
    return true;
  } else {
    state_->end = ChildEnd{ChildEnd::How::kExited, -1};  // no such child any more: status lost
  }
  state_->pid = -1;
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
  if (state_->pid <= 0) return;
  state_->KillAndReap();
  state_->end = ChildEnd{ChildEnd::How::kSignalled, SIGKILL};
}

const char* DefaultConverter() { return "/usr/bin/convert"; }

}  // namespace check_html
