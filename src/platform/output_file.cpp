#include "platform/output_file.h"

namespace check_html {

OutputFile::OutputFile(const std::string& path) : is_stdout_(path == "-") {
  file_ = is_stdout_ ? stdout : std::fopen(path.c_str(), "wb");
}

OutputFile::~OutputFile() { Close(); }

void OutputFile::Write(std::string_view bytes) {
  if (file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    failed_ = true;
  }
}

bool OutputFile::Close() {
  if (file_ == nullptr) return false;
  if (std::fflush(file_) != 0) failed_ = true;
  if (!is_stdout_ && std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace check_html
