// The crawl's file loop: every entry of Files in turn, found on disk or marked missing, pages
// scanned, and what a page links to and shows stored in the tables.
#include "site/tree_crawl.h"

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "html/path_text.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/site_database.h"

namespace check_html {
namespace {

// Two workers keep both cores busy reading and scanning while this thread stores.
constexpr int kWorkers = 2;

// The site root in the tables' form: "/" separators, lower case, a trailing "/".
std::string SiteRootOf(const std::string& folder) {
  if (folder.empty()) return folder;
  std::string root = folder;
  BackToSlash(root);
  if (!root.ends_with('/')) root += '/';
  return root;
}

VisitRules RulesOf(RunContext& run) {
  return VisitRules{&run.Files(), run.SaveDir, run.Opts.Look_For_SubPath,
                    ScanRules{run.Opts.CheckAnchors, SiteRootOf(run.Opts.SiteRoot)}};
}

}  // namespace

void CrawlTree(RunContext& run, const std::string& start_file) {
  if (run.Database->FileCount() != 0) *run.Database = SiteDatabase();
  TreeCrawl(run).Run(start_file);
}

TreeCrawl::TreeCrawl(RunContext& run)
    : run_(run), db_(*run.Database), pipeline_(RulesOf(run), kWorkers) {}

void TreeCrawl::Run(const std::string& start_file) {
  std::string start = start_file;
  BackToSlash(start);
  db_.DeferLinkedFrom();
  try {
    db_.AddFile(std::move(start), 0, "");
    for (int32_t i = 1; i <= db_.FileCount() && !run_.Stopped(); ++i) VisitFile(i);
  } catch (...) {
    db_.SettleLinkedFrom();
    throw;
  }
  db_.SettleLinkedFrom();
  db_.Items().InsertItems(std::move(items_));
  MarkMissingTargets();
}

// A file is looked for under its own name, then under the other page extension, which then
// replaces its entry. Found pages are scanned when they may be followed.
void TreeCrawl::VisitFile(int32_t i) {
  std::vector<std::string> new_entries;
  for (; queued_ < db_.FileCount(); ++queued_) {
    new_entries.push_back(db_.Files()[static_cast<std::size_t>(queued_ + 1)]);
  }
  pipeline_.Add(std::move(new_entries));
  run_.ShowStatus(db_.Files()[static_cast<std::size_t>(i)]);
  run_.ShowProgress(i, db_.FileCount());
  VisitResult visit = pipeline_.Take(i);
  if (!visit.exists) {
    db_.FileRecords()[static_cast<std::size_t>(i)].Exists = false;
    db_.Titles()[static_cast<std::size_t>(i)].clear();
    return;
  }
  if (visit.replaced) db_.ReplaceFile(i, visit.path);
  db_.FileRecords()[static_cast<std::size_t>(i)].Exists = true;
  if (!visit.scanned) return;
  // Without this, pages that link each other as ".htm" while they exist as ".html" would add
  // entries for ever: each lookup misses the replaced entry and adds a new one.
  const auto [scanned, first] = scanned_.emplace(std::move(visit.identity), i);
  if (!first) {
    db_.Anchors().ShareAnchors(i, scanned->second);
    return;
  }
  if (visit.error) std::rethrow_exception(visit.error);
  StorePage(i, visit);
}

void TreeCrawl::StorePage(int32_t i, VisitResult& visit) {
  ScannedPage& page = visit.page;
  db_.AddFolder(FolderOf(visit.path));
  db_.CountScanned();
  for (const std::string& line : page.LogLines) run_.LogLine(line);
  if (page.Title) db_.Titles()[static_cast<std::size_t>(i)] = std::move(*page.Title);
  // The chain is built once at the end: nothing reads it before the crawl is over.
  for (Item& item : page.Items) items_.push_back(std::move(item));
  StorePagePictures(i, visit);
  StorePageLinks(i, page);
  StorePageAnchors(i, page);
}

// A picture's existence is settled when it is first recorded; later pages only add UsedBy.
void TreeCrawl::StorePagePictures(int32_t i, VisitResult& visit) {
  std::vector<std::string>& pictures = visit.page.PagePics;
  db_.FileRecords()[static_cast<std::size_t>(i)].Pics.reserve(pictures.size());
  for (std::size_t n = 0; n < pictures.size(); ++n) {
    int32_t j = db_.FindPicture(pictures[n]);
    if (j == 0) {
      j = db_.AddPicture(std::move(pictures[n]), visit.pic_exists[n] != 0, i);
    } else {
      db_.AppendUsedBy(j, i);
    }
    db_.AppendPic(i, db_.PicRecords()[static_cast<std::size_t>(j)].Exists ? j : -j);
  }
}

// A new target joins Files at the end and is visited when the loop reaches it.
void TreeCrawl::StorePageLinks(int32_t i, ScannedPage& page) {
  db_.FileRecords()[static_cast<std::size_t>(i)].LinksTo.reserve(page.PageLinks.size());
  for (std::size_t hash : page.PageLinkHashes) db_.PrefetchFile(hash);
  for (std::size_t n = 0; n < page.PageLinks.size(); ++n) {
    int32_t k = db_.FindFile(page.PageLinks[n], page.PageLinkHashes[n]);
    if (k != 0) {
      db_.AppendLinkedFrom(k, i, page.PageNames[n]);
    } else {
      k = db_.AddFile(std::move(page.PageLinks[n]), i, page.PageNames[n]);
    }
    db_.AppendLinksTo(i, k);
  }
}

// Anchors are kept only when they are checked: the scan then collects them.
void TreeCrawl::StorePageAnchors(int32_t i, ScannedPage& page) {
  if (!run_.Opts.CheckAnchors) return;
  AnchorTable& anchors = db_.Anchors();
  anchors.SetAnchors(i, std::move(page.AnchorKeys));
  for (FragmentLink& link : page.Fragments) {
    const int32_t target = link.target.empty() ? i : db_.FindFile(link.target);
    anchors.AddFragment(FragmentRef{i, target, std::move(link.fragment), std::move(link.key)});
  }
}

// Entries the loop did not reach (after a stop) have Exists 0 and count as missing.
void TreeCrawl::MarkMissingTargets() {
  std::span<FileRec> records = db_.FileRecords();
  for (std::size_t i = 1; i < records.size(); ++i) {
    for (LinkNode& node : records[i].LinksTo) {
      if (node.Index > 0 && !records[static_cast<std::size_t>(node.Index)].Exists) {
        node.Index = -node.Index;
      }
    }
  }
}

}  // namespace check_html
