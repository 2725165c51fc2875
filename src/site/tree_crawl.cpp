// The crawl's file loop: every entry of Files in turn, found on disk or marked missing, pages
// scanned, and what a page links to and shows stored in the tables.
#include "site/tree_crawl.h"

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "html/page_reader.h"
#include "html/path_text.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "shell/html_thread.h"
#include "shell/options.h"
#include "site/link_functions.h"
#include "site/site_database.h"

namespace check_html {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Closes the loaded page however the scan ends, an error included.
class PageCloser {
 public:
  explicit PageCloser(PageReader& reader) : reader_(reader) {}
  ~PageCloser() { reader_.ClosePage(); }
  PageCloser(const PageCloser&) = delete;
  PageCloser& operator=(const PageCloser&) = delete;

 private:
  PageReader& reader_;
};

// External references are recorded as link targets but never looked up on disk: on Windows
// they can name no file, here they could name one relative to the current folder.
bool IsExternalReference(std::string_view path) {
  const std::string lower = LowerCase(path.substr(0, 11));
  return StartsWith(lower, "http://") || StartsWith(lower, "https:/") ||
         StartsWith(lower, "mailto:") || StartsWith(lower, "javascript:");
}

// The other of the two page extensions: ".htm" becomes ".html"; any other path loses its last
// five characters (".html") and gains ".htm".
std::string AlternativeName(std::string_view path) {
  if (EndsWith(path, ".htm")) return std::string(path) + "l";
  return std::string(path.substr(0, path.size() - std::min<std::size_t>(path.size(), 5))) +
         ".htm";
}

// The text from the last "." to the end, lower-cased, when that "." stands after the last
// backslash and colon; empty otherwise. On the tables' "/" paths a "/" is no boundary, so a
// "." in a folder name gives a text with a "/" in it, which is never a page extension: the
// page test comes down to the path's ending.
std::string ExtensionOf(std::string_view path) {
  const std::size_t at = path.find_last_of(".\\:");
  if (at == std::string_view::npos || path[at] != '.') return "";
  return LowerCase(path.substr(at));
}

}  // namespace

void THTML_Thread::CrawlTree(const std::string& start_file) {
  if (!Database || Database->FileCount() != 0) Database = std::make_unique<SiteDatabase>();
  TreeCrawl(*this).Run(start_file);
}

TreeCrawl::TreeCrawl(THTML_Thread& run) : run_(run), db_(*run.Database), reader_(run.Reader) {}

void TreeCrawl::Run(const std::string& start_file) {
  std::string start = start_file;
  BackToSlash(start);
  db_.AddFile(std::move(start), 0, "");
  for (int32_t i = 1; i <= db_.FileCount() && !run_.Stopped(); ++i) VisitFile(i);
  MarkMissingTargets();
}

// A file is looked for under its own name, then under the other page extension, which then
// replaces its entry. Found pages are scanned when they may be followed.
void TreeCrawl::VisitFile(int32_t i) {
  std::string cur = db_.Files()[static_cast<std::size_t>(i)];
  run_.ShowStatus(cur);
  if (!FoundOnDisk(cur)) {
    std::string alternative = AlternativeName(cur);
    if (!FoundOnDisk(alternative)) {
      db_.FileRecords()[static_cast<std::size_t>(i)].Exists = false;
      db_.Titles()[static_cast<std::size_t>(i)].clear();
      return;
    }
    db_.ReplaceFile(i, alternative);
    cur = std::move(alternative);
  }
  db_.FileRecords()[static_cast<std::size_t>(i)].Exists = true;

  const std::string extension = ExtensionOf(cur);
  if (extension != ".html" && extension != ".htm") return;
  if (!MayFollow(cur, run_.SaveDir, Look_For_SubPath)) return;
  // Without this, pages that link each other as ".htm" while they exist as ".html" would add
  // entries for ever: each lookup misses the replaced entry and adds a new one.
  if (!scanned_.insert(cur).second) return;
  ScanFile(i, cur);
}

bool TreeCrawl::FoundOnDisk(const std::string& path) const {
  return !IsExternalReference(path) && run_.Files().Exists(path);
}

void TreeCrawl::ScanFile(int32_t i, const std::string& path) {
  PageCloser closer(reader_);
  reader_.LoadPage(path);
  current_ = i;
  current_path_ = path;
  current_folder_ = FolderOf(path);
  db_.AddFolder(current_folder_);
  PageLinks.clear();
  PageNames.clear();
  PagePics.clear();
  page_link_set_.clear();
  page_pic_set_.clear();
  ScanPage();
  StorePagePictures();
  StorePageLinks();
}

// A picture's existence is settled when it is first recorded; later pages only add UsedBy.
void TreeCrawl::StorePagePictures() {
  for (std::string& path : PagePics) {
    int32_t j = db_.FindPicture(path);
    if (j == 0) {
      const bool exists = FoundOnDisk(path);
      j = db_.AddPicture(std::move(path), exists, current_);
    } else {
      db_.AppendUsedBy(j, current_);
    }
    db_.AppendPic(current_, db_.PicRecords()[static_cast<std::size_t>(j)].Exists ? j : -j);
  }
}

// A new target joins Files at the end and is visited when the loop reaches it.
void TreeCrawl::StorePageLinks() {
  for (std::size_t n = 0; n < PageLinks.size(); ++n) {
    int32_t k = db_.FindFile(PageLinks[n]);
    if (k != 0) {
      db_.AppendLinkedFrom(k, current_, PageNames[n]);
    } else {
      k = db_.AddFile(std::move(PageLinks[n]), current_, PageNames[n]);
    }
    db_.AppendLinksTo(current_, k);
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
