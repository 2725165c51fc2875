#include "site/site_database.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace check_html {
namespace {

// Throws for an index outside 1..count: such a call is a fault in the caller.
void CheckIndex(int32_t i, std::size_t table_size, const char* what) {
  if (i < 1 || static_cast<std::size_t>(i) >= table_size) {
    throw std::out_of_range(std::string("SiteDatabase: no ") + what + " entry " +
                            std::to_string(i));
  }
}

}  // namespace

SiteDatabase::SiteDatabase()
    : files_(1), titles_(1), file_records_(1), pictures_(1), pic_records_(1), folders_(1) {}

int32_t SiteDatabase::FindFile(std::string_view path) const {
  return file_index_.Find(files_, path);
}

int32_t SiteDatabase::AddFile(std::string path, int32_t linked_from, std::string_view anchor) {
  const auto i = static_cast<int32_t>(files_.size());
  files_.push_back(std::move(path));
  file_index_.Add(files_, i);
  titles_.emplace_back();
  file_records_.emplace_back();
  PutLinkedFrom(i, linked_from, anchor);
  return i;
}

void SiteDatabase::ReplaceFile(int32_t i, std::string path) {
  CheckIndex(i, files_.size(), "file");
  std::string& entry = files_[static_cast<std::size_t>(i)];
  if (entry == path) return;
  file_index_.Remove(files_, i);
  entry = std::move(path);
  file_index_.Add(files_, i);
}

int32_t SiteDatabase::FindPicture(std::string_view path) const {
  const auto found = picture_index_.find(path);
  return found == picture_index_.end() ? 0 : found->second;
}

int32_t SiteDatabase::AddPicture(std::string path, bool exists, int32_t used_by) {
  const auto j = static_cast<int32_t>(pictures_.size());
  const auto [at, added] = picture_index_.try_emplace(path, j);
  if (!added) return at->second;
  pictures_.push_back(std::move(path));
  PicRec& record = pic_records_.emplace_back();
  record.Exists = exists;
  record.UsedBy.push_back(LinkNode{used_by, {}});
  return j;
}

bool SiteDatabase::AddFolder(std::string folder) {
  if (!folder_set_.insert(folder).second) return false;
  folders_.push_back(std::move(folder));
  return true;
}

void SiteDatabase::AppendLinksTo(int32_t page, int32_t target) {
  CheckIndex(page, file_records_.size(), "file");
  file_records_[static_cast<std::size_t>(page)].LinksTo.push_back(LinkNode{target, {}});
}

void SiteDatabase::AppendLinkedFrom(int32_t target, int32_t page, std::string_view anchor) {
  CheckIndex(target, file_records_.size(), "file");
  PutLinkedFrom(target, page, anchor);
}

void SiteDatabase::PutLinkedFrom(int32_t target, int32_t page, std::string_view anchor) {
  LinkNode node{page, anchors_.Keep(anchor.substr(0, kAnchorCapacity))};
  if (deferring_) {
    pending_.push_back({target, node});
  } else {
    file_records_[static_cast<std::size_t>(target)].LinkedFrom.push_back(node);
  }
}

void SiteDatabase::DeferLinkedFrom() { deferring_ = true; }

void SiteDatabase::SettleLinkedFrom() {
  deferring_ = false;
  std::vector<std::size_t> counts(file_records_.size());
  for (const PendingLink& link : pending_) ++counts[static_cast<std::size_t>(link.target)];
  for (std::size_t i = 0; i < counts.size(); ++i) {
    file_records_[i].LinkedFrom.reserve(file_records_[i].LinkedFrom.size() + counts[i]);
  }
  for (const PendingLink& link : pending_) {
    file_records_[static_cast<std::size_t>(link.target)].LinkedFrom.push_back(link.node);
  }
  std::vector<PendingLink>().swap(pending_);
}

void SiteDatabase::AppendPic(int32_t page, int32_t picture) {
  CheckIndex(page, file_records_.size(), "file");
  file_records_[static_cast<std::size_t>(page)].Pics.push_back(LinkNode{picture, {}});
}

void SiteDatabase::AppendUsedBy(int32_t picture, int32_t page) {
  CheckIndex(picture, pic_records_.size(), "picture");
  pic_records_[static_cast<std::size_t>(picture)].UsedBy.push_back(LinkNode{page, {}});
}

}  // namespace check_html
