// The anchor names of the link lists, kept in large blocks that never move, so that a link
// node is a small plain value (an index and a view) instead of holding a string of its own:
// a big site has millions of nodes, and their size decides how much of them stays in cache.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace check_html {

class AnchorPool {
 public:
  AnchorPool() = default;
  AnchorPool(const AnchorPool&) = delete;  // the views handed out point into this pool
  AnchorPool& operator=(const AnchorPool&) = delete;
  AnchorPool(AnchorPool&&) = default;      // blocks stay where they are
  AnchorPool& operator=(AnchorPool&&) = default;

  // A view of a copy of `text` that lives as long as the pool; empty text needs no copy.
  std::string_view Keep(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = kBlockSize;  // of the last block; full when there is none
};

}  // namespace check_html
