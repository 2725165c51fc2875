#include "platform/temp_files_ahead.h"

#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/disk_resolver.h"
#include "platform/folder_names.h"

namespace check_html {
namespace {

// Temporary names are never looked up by their case fold, so creating or removing one keeps
// the folder's cached listing as it is.
void NoteTempChange(FolderNames& names, const std::string& temp_path, auto&& change) {
  OwnFolderChange noted(names, FolderKey(temp_path));
  if (change()) noted.Replaced();
}

void Drop(FolderNames& names, TempFile& temp) {
  if (temp.fd < 0) return;
  close(temp.fd);
  NoteTempChange(names, temp.path, [&temp] { return unlink(temp.path.c_str()) == 0; });
  temp = {};
}

}  // namespace

TempFilesAhead::TempFilesAhead(DiskResolver& resolver, std::vector<std::string> targets)
    : resolver_(resolver), targets_(std::move(targets)), made_(targets_.size()) {
  for (size_t i = 0; i < targets_.size(); ++i) position_.try_emplace(targets_[i], i);
  helper_ = std::jthread([this](std::stop_token stop) { MakeAhead(stop); });
}

TempFilesAhead::~TempFilesAhead() {
  helper_.request_stop();
  helper_.join();
  for (TempFile& temp : made_) Drop(resolver_.Names(), temp);
}

void TempFilesAhead::MakeAhead(std::stop_token stop) {
  while (true) {
    size_t index = 0;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, stop, [this] { return next_to_make_ < next_to_use_ + kAhead; });
      if (stop.stop_requested()) return;
      next_to_make_ = std::max(next_to_make_, next_to_use_);  // the writer went past
      if (next_to_make_ >= targets_.size()) return;
      index = next_to_make_++;
    }
    std::optional<std::string> resolved = resolver_.ResolveForCreate(targets_[index]);
    if (!resolved) continue;
    TempFile temp;
    NoteTempChange(resolver_.Names(), *resolved, [&temp, &resolved] {
      temp = CreateTempFile(*resolved);
      return temp.fd >= 0;
    });
    std::lock_guard lock(mutex_);
    if (index < next_to_use_) {
      Drop(resolver_.Names(), temp);  // too late: the writer made its own
    } else {
      made_[index] = std::move(temp);
    }
  }
}

TempFile TempFilesAhead::Take(std::string_view target, const std::string& resolved_target) {
  TempFile temp;
  {
    std::lock_guard lock(mutex_);
    auto found = position_.find(target);
    if (found == position_.end() || found->second < next_to_use_) return temp;
    for (size_t skipped = next_to_use_; skipped < found->second; ++skipped) {
      Drop(resolver_.Names(), made_[skipped]);
    }
    temp = std::exchange(made_[found->second], TempFile{});
    next_to_use_ = found->second + 1;
  }
  wake_.notify_all();
  if (temp.fd >= 0 && FolderKey(temp.path) != FolderKey(resolved_target)) {
    Drop(resolver_.Names(), temp);
  }
  return temp;
}

}  // namespace check_html
