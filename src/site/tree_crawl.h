// The working state of one crawl (THTML_Thread::CrawlTree): the page being scanned and what it
// links to and shows. Links and pictures are gathered per page first, so that each target and
// each picture is stored once per page, with the name of the first link that led to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace check_html {

class PageReader;
class SiteDatabase;
class THTML_Thread;

// The working fields of the crawl hold at most this many characters; longer values are cut.
inline constexpr std::size_t kCrawlFieldCapacity = 255;

class TreeCrawl {
 public:
  // `run.Database` must exist; the crawl fills it from nothing.
  explicit TreeCrawl(THTML_Thread& run);

  // Visits every file reachable from `start_file`, breadth-first, until all are visited or the
  // run is stopped; then marks the links to missing targets.
  void Run(const std::string& start_file);

 private:
  // tree_crawl.cpp: the file loop and the tables.
  void VisitFile(int32_t i);
  bool FoundOnDisk(const std::string& path) const;
  void ScanFile(int32_t i, const std::string& path);
  void StorePagePictures();
  void StorePageLinks();
  void MarkMissingTargets();

  // crawl_page_scan.cpp: one page's tags.
  void ScanPage();
  bool CollectBackground(const std::string& tag);
  bool CollectImg(const std::string& tag);
  bool CollectAnchor(const std::string& tag);
  bool CollectTitle(const std::string& tag);
  bool EndPage(const std::string& tag);
  void CollectPicture(const std::string& value);
  std::string CollectLinkText();
  void CollectLink(std::string link, const std::string& name, std::string text,
                   std::string fragment);

  THTML_Thread& run_;
  SiteDatabase& db_;
  PageReader& reader_;

  int32_t current_ = 0;         // index in Files of the page being scanned
  std::string current_path_;    // its path as stored in Files
  std::string current_folder_;  // its folder, with the trailing "/"
  int32_t DumCounter = 0;       // generated anchor names given out on this page

  std::vector<std::string> PageLinks;  // resolved targets of this page, each once
  std::vector<std::string> PageNames;  // entry n: the name that goes with PageLinks entry n
  std::vector<std::string> PagePics;   // resolved pictures of this page, each once
  std::unordered_set<std::string> page_link_set_;
  std::unordered_set<std::string> page_pic_set_;
  // Pages scanned in this crawl. A page is scanned once, even when the ".htm"/".html"
  // replacement makes a later entry name it again.
  std::unordered_set<std::string> scanned_;

  std::string text_, tag_;  // the scanner's reused out-strings
};

}  // namespace check_html
