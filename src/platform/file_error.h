// The one error type of the program: a file operation that failed, carrying the system's own
// message text ("File can not be opend", ...). Only the run catches it; it ends the run cleanly.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace check_html {

class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message, std::string path = {})
      : std::runtime_error(message), path_(std::move(path)) {}

  // The file the failed operation was given, when the message does not name it itself; the run
  // names it in the log line that ends the run.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline constexpr const char* kCannotOpenText = "File can not be opend";
inline constexpr const char* kReadMappingText = "Error while Filemapping";
inline constexpr const char* kWriteMappingText = "Errop while Filemapping";

}  // namespace check_html
