// The parts of a Windows pipe path "\\SERVER\pipe\NAME" (the word "pipe" in any letter case).
#pragma once

#include <string>

namespace check_html {

struct PipeNameParts {
  std::string server;  // "." is the local computer
  std::string name;    // everything after "\pipe\"
};

// False when `pipe_path` is not of that form, or when NAME could not be a file name of its own:
// empty, "." or "..", or holding "/" or a zero byte.
bool SplitPipePath(const std::string& pipe_path, PipeNameParts& parts);

}  // namespace check_html
