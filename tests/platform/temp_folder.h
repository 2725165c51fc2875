// A uniquely named folder under the system's temporary folder, removed with its contents when
// the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace check_html {

class TempFolder {
 public:
  TempFolder() { std::filesystem::create_directories(path_); }
  ~TempFolder() { std::error_code ignored; std::filesystem::remove_all(path_, ignored); }

  std::string Path() const { return path_.string(); }

  // Creates the file and its folders without the code under test.
  void Put(std::string_view relative, std::string_view bytes) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
  }

 private:
  std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                ("check_html_test_" + std::to_string(std::random_device{}()) +
                                 std::to_string(std::random_device{}()));
};

}  // namespace check_html
