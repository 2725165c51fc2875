// Looks files up and scans pages ahead of the crawl on worker threads. The crawl hands over the
// entries of Files in their order and takes the results back in the same order, so the tables
// are filled exactly as by one thread that visits one file after the other; only the reading
// and scanning, which touch nothing shared, run side by side.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "site/crawl_page_scan.h"

namespace check_html {

class FileSystem;

// What one file of Files turned out to be.
struct VisitResult {
  std::string path;        // the path found: the entry itself or its other page extension
  bool exists = false;
  bool replaced = false;   // found under the other extension
  bool scanned = false;    // a page the crawl may follow, read and scanned
  std::string identity;    // of a scanned page: the same for every path to its file
  ScannedPage page;
  std::vector<char> pic_exists;  // entry n: whether page.PagePics entry n exists now
  std::exception_ptr error;      // reading the page failed
};

// The settings a visit depends on, fixed for the whole crawl.
struct VisitRules {
  const FileSystem* files = nullptr;
  std::string save_dir;
  bool look_for_subpath = true;
  ScanRules scan;
};

// Whether each picture exists, looked up on disk once per crawl: most pictures (buttons, icons)
// are shown by many pages. Safe to share between threads.
class KnownPictures {
 public:
  bool Exists(const VisitRules& rules, const std::string& path);

 private:
  std::mutex mutex_;
  std::unordered_map<std::string, bool> exists_;
};

// Looks `path` up (and its other page extension) and scans it when the crawl may follow it.
// Picture lookups go through `pictures` when one is given.
VisitResult VisitPath(const VisitRules& rules, const std::string& path,
                      KnownPictures* pictures = nullptr);

// True when `path` is a link target that names no file (a web, mail or script address).
bool IsExternalReference(std::string_view path);

class CrawlPipeline {
 public:
  CrawlPipeline(VisitRules rules, int workers);
  ~CrawlPipeline();
  CrawlPipeline(const CrawlPipeline&) = delete;
  CrawlPipeline& operator=(const CrawlPipeline&) = delete;

  // Queues the next entries of Files (entries are added in index order, from 1).
  void Add(std::vector<std::string> paths);
  // The result of entry `index`, waiting for it when needed. Entries are taken in order.
  VisitResult Take(int32_t index);

 private:
  void Work();

  bool MayStart() const;

  const VisitRules rules_;
  KnownPictures pictures_;
  std::mutex mutex_;
  // Workers wait for work, the crawl for one result: each side is woken only when it can go on.
  std::condition_variable work_ready_;
  std::condition_variable result_ready_;
  std::vector<std::string> paths_;          // paths_[n] is entry n + 1
  size_t next_job_ = 0;                     // the next entry a worker starts on (0-based)
  size_t taken_ = 0;                        // entries taken by the crawl
  size_t wanted_ = SIZE_MAX;                // the entry the crawl waits for, if any
  int idle_workers_ = 0;
  std::map<size_t, VisitResult> done_;      // finished, not yet taken
  bool stopping_ = false;
  std::vector<std::jthread> workers_;
};

}  // namespace check_html
