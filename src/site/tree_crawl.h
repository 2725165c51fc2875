// The crawl of a run (CrawlTree) and its working state: the file loop over Files, which takes
// each file's lookup and page scan from the pipeline (site/crawl_pipeline.h) in index order and
// stores what a page links to and shows in the tables.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "site/crawl_pipeline.h"

namespace check_html {

class SiteDatabase;
class RunContext;

// Fills the run's site database (emptied first when it holds a crawl) from `start_file`.
void CrawlTree(RunContext& run, const std::string& start_file);

class TreeCrawl {
 public:
  // `run.Database` must exist; the crawl fills it from nothing.
  explicit TreeCrawl(RunContext& run);

  // Visits every file reachable from `start_file`, breadth-first, until all are visited or the
  // run is stopped; then marks the links to missing targets.
  void Run(const std::string& start_file);

 private:
  void VisitFile(int32_t i);
  void StorePage(int32_t i, VisitResult& visit);
  void StorePagePictures(int32_t i, VisitResult& visit);
  void StorePageLinks(int32_t i, ScannedPage& page);
  void StorePageAnchors(int32_t i, ScannedPage& page);
  void MarkMissingTargets();

  RunContext& run_;
  SiteDatabase& db_;
  CrawlPipeline pipeline_;
  int32_t queued_ = 0;  // entries of Files handed to the pipeline
  // The files of the pages scanned in this crawl, with the entry they were scanned under. A
  // page is scanned once, even when the ".htm"/".html" replacement or a symbolic link makes a
  // later entry name it again; a folder linking to itself then adds no entries for ever.
  std::unordered_map<std::string, int32_t> scanned_;
  std::vector<Item> items_;  // the anchors of the scanned pages, in page order
};

}  // namespace check_html
