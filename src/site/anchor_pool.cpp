#include "site/anchor_pool.h"

#include <algorithm>
#include <cstring>

namespace check_html {

std::string_view AnchorPool::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > kBlockSize - used_) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(std::max(kBlockSize, text.size())));
    used_ = 0;
  }
  char* copy = blocks_.back().get() + used_;
  std::memcpy(copy, text.data(), text.size());
  used_ += text.size();
  return {copy, text.size()};
}

}  // namespace check_html
