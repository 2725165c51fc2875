// TNamedPipe, the base of the server and the client component: a pipe name and an Active switch
// whose setter opens or closes the pipe. Owners use a component from one thread (the window
// thread); the framework's own threads only ever clear Active.
#pragma once

#include <atomic>
#include <string>

#include "comm/stream/component_registry.h"

namespace check_html {

// How long a client waits for a free instance, and a server for the client's inbound pipe,
// when nothing else is set.
inline constexpr int kDefaultPipeWaitMs = 5000;

// The path of the main pipe: "\\.\pipe\" and the name, unless the name already holds that part.
std::string MainPipePath(const std::string& pipe_name);

class TNamedPipe {
 public:
  virtual ~TNamedPipe() = default;

  bool Active() const { return active_; }
  // Opens (true) or closes (false) the pipe; raises when opening fails.
  virtual void SetActive(bool active) = 0;

  const std::string& PipeName() const { return pipe_name_; }
  // A different name while active closes the pipe, takes the name and opens it again.
  virtual void SetPipeName(const std::string& name);

  // The classes the messages read on this pipe may hold.
  ComponentClasses Classes;

 protected:
  std::atomic<bool> active_{false};

 private:
  std::string pipe_name_;
};

}  // namespace check_html
