#include "site/path_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace check_html {
namespace {

// Random appends and renames (which make entries equal and part them again) against the plain
// rule: Find gives the lowest entry with the path. Few distinct paths and many entries give
// long probe runs, wrapping ones included, and frees in the middle of them.
TEST(PathIndex, FindsTheLowestEntryOfAPathThroughAppendsAndRenames) {
  std::mt19937 random(7);
  std::vector<std::string> paths(1);
  PathIndex index;
  auto some_path = [&random] { return "p" + std::to_string(random() % 3000); };
  auto lowest = [&paths](const std::string& path) {
    for (size_t i = 1; i < paths.size(); ++i) {
      if (paths[i] == path) return static_cast<int32_t>(i);
    }
    return 0;
  };
  for (int step = 0; step < 6000; ++step) {
    const std::string path = some_path();
    if (paths.size() < 2 || random() % 3 == 0) {
      paths.push_back(path);
      index.Add(paths, static_cast<int32_t>(paths.size() - 1));
    } else {
      const auto entry = static_cast<int32_t>(1 + random() % (paths.size() - 1));
      index.Remove(paths, entry);
      paths[static_cast<size_t>(entry)] = path;
      index.Add(paths, entry);
    }
    if (step % 500 == 0 || step == 5999) {
      for (int p = 0; p < 3000; ++p) {
        const std::string probe = "p" + std::to_string(p);
        ASSERT_EQ(index.Find(paths, probe), lowest(probe)) << probe << " at step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace check_html
