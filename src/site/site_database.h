// The site database: everything one check run learns about the site while it crawls, read by
// every later pass. Tables are 1-based like the reports that number their rows; entry 0 of each
// table is an unused placeholder. Paths are stored with "/" and in lower case. The tables grow
// as the crawl adds entries; views returned by the accessors are invalidated by every Add.
// Lookups by path are hashed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "site/anchor_pool.h"
#include "site/anchor_table.h"
#include "site/external_result.h"
#include "site/item_chain.h"
#include "site/path_index.h"

namespace check_html {

inline constexpr std::size_t kAnchorCapacity = 63;

// One entry of a link list. `Index` is a file or picture index, negative when the target is
// missing; `Anchor` (only in LinkedFrom lists) is the NAME of the linking A element, at most
// 63 characters, kept by the database that holds the node.
struct LinkNode {
  int32_t Index = 0;
  std::string_view Anchor;
};

struct FileRec {
  bool Exists = false;
  std::vector<LinkNode> LinksTo;     // outgoing links in order of discovery
  std::vector<LinkNode> LinkedFrom;  // pages linking here, with their anchor names
  std::vector<LinkNode> Pics;        // pictures shown by this page
};

struct PicRec {
  bool Exists = false;
  std::vector<LinkNode> UsedBy;  // one node per page that shows the picture (per showing)
};

class SiteDatabase {
 public:
  SiteDatabase();

  int32_t FileCount() const { return static_cast<int32_t>(files_.size()) - 1; }
  int32_t PicCount() const { return static_cast<int32_t>(pictures_.size()) - 1; }
  int32_t FolderCount() const { return static_cast<int32_t>(folders_.size()) - 1; }

  // Entries 1..count; entry 0 is the placeholder. Change a path only through ReplaceFile.
  std::span<const std::string> Files() const { return files_; }
  std::span<std::string> Titles() { return titles_; }
  std::span<const std::string> Titles() const { return titles_; }
  std::span<FileRec> FileRecords() { return file_records_; }
  std::span<const FileRec> FileRecords() const { return file_records_; }
  std::span<const std::string> Pictures() const { return pictures_; }
  std::span<PicRec> PicRecords() { return pic_records_; }
  std::span<const PicRec> PicRecords() const { return pic_records_; }
  std::span<const std::string> Folders() const { return folders_; }

  // Index of the first (lowest) Files entry equal to `path`, 0 when there is none.
  int32_t FindFile(std::string_view path) const;
  // The same with the path's PathIndex::HashOf, after PrefetchFile of it for a batch of paths.
  int32_t FindFile(std::string_view path, std::size_t hash) const {
    return file_index_.Find(files_, path, hash);
  }
  void PrefetchFile(std::size_t hash) const { file_index_.Prefetch(hash); }
  // Appends `path` (the caller has looked it up) with an empty title and a record whose
  // LinkedFrom list holds the one node (linked_from, anchor); returns its index.
  int32_t AddFile(std::string path, int32_t linked_from, std::string_view anchor);
  // Renames entry i (1..FileCount); the new path may equal another entry.
  void ReplaceFile(int32_t i, std::string path);

  // Index of the picture, 0 when it is not in the table.
  int32_t FindPicture(std::string_view path) const;
  // Appends a picture shown by page `used_by`; a path already present keeps its entry and
  // record untouched and its index is returned, so pictures stay unique.
  int32_t AddPicture(std::string path, bool exists, int32_t used_by);

  // Appends the folder unless it is present; true when it was added.
  bool AddFolder(std::string folder);

  // Tail appends to the link lists; indexes must name existing entries.
  void AppendLinksTo(int32_t page, int32_t target);
  void AppendLinkedFrom(int32_t target, int32_t page, std::string_view anchor);
  // Between these two, LinkedFrom nodes (of AddFile and AppendLinkedFrom) are collected in
  // order and put into their lists at the end in one pass, with the same result: appending to
  // a far-away page's list for every link is the crawl's costliest memory access on a big site.
  // Nothing may read LinkedFrom lists in between.
  void DeferLinkedFrom();
  void SettleLinkedFrom();
  void AppendPic(int32_t page, int32_t picture);
  void AppendUsedBy(int32_t picture, int32_t page);

  ItemChain& Items() { return items_; }
  const ItemChain& Items() const { return items_; }

  // How many pages the crawl scanned (each file once).
  int32_t ScannedCount() const { return scanned_count_; }
  void CountScanned() { ++scanned_count_; }
  // The files the unreferenced-file report listed, in its order.
  std::vector<std::string>& Unreferenced() { return unreferenced_; }
  const std::vector<std::string>& Unreferenced() const { return unreferenced_; }

  // The pages' anchors and the fragments their links name; filled when anchors are checked.
  AnchorTable& Anchors() { return anchors_table_; }
  const AnchorTable& Anchors() const { return anchors_table_; }

  // The external addresses and what their check found; filled when external links are checked.
  std::vector<ExternalFinding>& External() { return external_; }
  const std::vector<ExternalFinding>& External() const { return external_; }

 private:
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  template <typename Value>
  using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

  std::vector<std::string> files_;
  std::vector<std::string> titles_;
  std::vector<FileRec> file_records_;
  PathIndex file_index_;

  std::vector<std::string> pictures_;
  std::vector<PicRec> pic_records_;
  TextMap<int32_t> picture_index_;

  std::vector<std::string> folders_;
  std::unordered_set<std::string, TextHash, std::equal_to<>> folder_set_;

  void PutLinkedFrom(int32_t target, int32_t page, std::string_view anchor);

  struct PendingLink {
    int32_t target;
    LinkNode node;
  };
  bool deferring_ = false;
  std::vector<PendingLink> pending_;

  ItemChain items_;
  int32_t scanned_count_ = 0;
  std::vector<std::string> unreferenced_;
  AnchorTable anchors_table_;
  std::vector<ExternalFinding> external_;
  AnchorPool anchors_;  // the LinkedFrom anchors, cut to the 63 characters a node holds
};

}  // namespace check_html
