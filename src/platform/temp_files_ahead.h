// Creating a file is the slow step of replacing one on some file systems: ext4 without a
// journal searches past every recently deleted inode for a free one, which makes up most of a
// site rewrite's time. When the program knows which files it will replace next, a helper
// thread creates their temporary files a few files ahead, so that this cost overlaps the work
// that makes the bytes. Nothing else changes: each file is still written to its temporary file
// and renamed over its target by the writer, in the writer's order.
#pragma once

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/disk_io.h"

namespace check_html {

class DiskResolver;

class TempFilesAhead {
 public:
  // `targets` as they will be given to Take, in the order they will be written; they are
  // resolved with `resolver`, which must outlive this object.
  TempFilesAhead(DiskResolver& resolver, std::vector<std::string> targets);
  // Stops the helper and removes the temporary files nobody took.
  ~TempFilesAhead();
  TempFilesAhead(const TempFilesAhead&) = delete;
  TempFilesAhead& operator=(const TempFilesAhead&) = delete;

  // The temporary file made for `target` (fd -1 when there is none): an expected target whose
  // file is ready and lies in the folder of `resolved_target`. Files made for targets listed
  // before it are removed, as those were not written.
  TempFile Take(std::string_view target, const std::string& resolved_target);

 private:
  static constexpr size_t kAhead = 4;  // more gains nothing and leaves more behind on a kill

  void MakeAhead(std::stop_token stop);

  DiskResolver& resolver_;
  std::vector<std::string> targets_;
  std::unordered_map<std::string_view, size_t> position_;  // target -> its first index
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::vector<TempFile> made_;  // by target index
  size_t next_to_make_ = 0;
  size_t next_to_use_ = 0;      // the targets before it are written or given up
  std::jthread helper_;         // last: stopped and joined before the members it uses go
};

}  // namespace check_html
