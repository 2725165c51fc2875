#include "platform/named_pipe_path.h"

#include "platform/case_map.h"

namespace check_html {

bool SplitPipePath(const std::string& pipe_path, PipeNameParts& parts) {
  if (pipe_path.compare(0, 2, "\\\\") != 0) return false;
  const std::size_t server_end = pipe_path.find('\\', 2);
  if (server_end == std::string::npos || server_end == 2) return false;
  const std::size_t name_start = server_end + 6;
  if (!StartsWithNoCase(std::string_view(pipe_path).substr(server_end), "\\pipe\\")) return false;
  std::string name = pipe_path.substr(name_start);
  if (name.empty() || name == "." || name == "..") return false;
  if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos) return false;
  parts.server = pipe_path.substr(2, server_end - 2);
  parts.name = std::move(name);
  return true;
}

}  // namespace check_html
