// The file work of a rewrite and nothing else: for every page under a folder, delete its old
// ".bak", rename the page to ".bak", read it and write it back unchanged under its name. The
// site benchmark runs this beside a whole check run, so the run's own work shows as the
// difference. Usage: rewrite_floor FOLDER; prints the pages and seconds.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

bool IsPage(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  return extension == ".html" || extension == ".htm";
}

bool ReadAll(const std::string& path, std::string& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bytes.clear();
  char buffer[65536];
  ssize_t got = 0;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(got));
  close(fd);
  return got == 0;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return close(fd) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: rewrite_floor FOLDER\n");
    return 2;
  }
  std::vector<std::string> pages;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
    if (entry.is_regular_file() && IsPage(entry.path())) pages.push_back(entry.path().string());
  }
  const auto start = std::chrono::steady_clock::now();
  std::string bytes;
  for (const std::string& page : pages) {
    const std::string bak = page.substr(0, page.rfind('.')) + ".bak";
    unlink(bak.c_str());
    if (rename(page.c_str(), bak.c_str()) != 0 || !ReadAll(bak, bytes) || !WriteAll(page, bytes)) {
      std::fprintf(stderr, "rewrite_floor: failed on %s\n", page.c_str());
      return 1;
    }
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%zu %.3f\n", pages.size(), seconds.count());
  return 0;
}
