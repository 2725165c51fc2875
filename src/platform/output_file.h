// A file written piece by piece, for output too large to build in memory first (a dry run's
// diff). The name "-" stands for standard output.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace check_html {

class OutputFile {
 public:
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool Opened() const { return file_ != nullptr; }
  void Write(std::string_view bytes);
  // Flushes and closes; false when the file was not opened or any write failed.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  bool is_stdout_ = false;
  bool failed_ = false;
};

}  // namespace check_html
