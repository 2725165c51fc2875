#include "comm/named_pipe_base.h"

namespace check_html {

namespace {
constexpr const char* kPipePrefix = "\\\\.\\pipe\\";
}  // namespace

std::string MainPipePath(const std::string& pipe_name) {
  if (pipe_name.find(kPipePrefix) != std::string::npos) return pipe_name;
  return kPipePrefix + pipe_name;
}

void TNamedPipe::SetPipeName(const std::string& name) {
  if (name == pipe_name_) return;
  const bool was_active = Active();
  if (was_active) SetActive(false);
  pipe_name_ = name;
  if (was_active) SetActive(true);
}

}  // namespace check_html
