#include "site/crawl_pipeline.h"

#include <algorithm>
#include <utility>

#include "html/page_reader.h"
#include "platform/case_map.h"
#include "platform/file_system.h"
#include "site/link_functions.h"

namespace check_html {
namespace {

// How far the workers may run ahead of the crawl: enough to keep them busy, few enough that
// finished results do not pile up in memory.
constexpr size_t kLookAhead = 256;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
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

bool FoundOnDisk(const VisitRules& rules, const std::string& path) {
  return !IsExternalReference(path) && rules.files->Exists(path);
}

// One look-up of a link target: what exists, where it lies and which file it is.
std::optional<FoundFile> FindOnDisk(const VisitRules& rules, const std::string& path) {
  if (IsExternalReference(path)) return std::nullopt;
  return rules.files->Find(path);
}

}  // namespace

// External references are recorded as link targets but never looked up on disk: on Windows
// they can name no file, here they could name one relative to the current folder.
bool IsExternalReference(std::string_view path) {
  const std::string lower = LowerCase(path.substr(0, 11));
  return StartsWith(lower, "http://") || StartsWith(lower, "https:/") ||
         StartsWith(lower, "mailto:") || StartsWith(lower, "javascript:");
}

bool KnownPictures::Exists(const VisitRules& rules, const std::string& path) {
  {
    std::lock_guard lock(mutex_);
    auto known = exists_.find(path);
    if (known != exists_.end()) return known->second;
  }
  const bool exists = FoundOnDisk(rules, path);
  std::lock_guard lock(mutex_);
  exists_.try_emplace(path, exists);
  return exists;
}

VisitResult VisitPath(const VisitRules& rules, const std::string& path, KnownPictures* pictures) {
  VisitResult result;
  result.path = path;
  std::optional<FoundFile> found = FindOnDisk(rules, path);
  if (!found) {
    std::string alternative = AlternativeName(path);
    found = FindOnDisk(rules, alternative);
    if (!found) return result;
    result.path = std::move(alternative);
    result.replaced = true;
  }
  result.exists = true;
  const std::string extension = ExtensionOf(result.path);
  if (extension != ".html" && extension != ".htm") return result;
  if (!MayFollow(result.path, rules.save_dir, rules.look_for_subpath)) return result;
  result.scanned = true;
  result.identity = std::move(found->identity);
  try {
    PageReader reader(*rules.files);
    reader.LoadPage(result.path, *found);
    result.page = PageScan(reader, result.path, rules.scan).Scan();
    reader.ClosePage();
  } catch (...) {
    result.error = std::current_exception();
    return result;
  }
  for (const std::string& picture : result.page.PagePics) {
    result.pic_exists.push_back(pictures ? pictures->Exists(rules, picture)
                                         : FoundOnDisk(rules, picture));
  }
  return result;
}

CrawlPipeline::CrawlPipeline(VisitRules rules, int workers) : rules_(std::move(rules)) {
  for (int n = 0; n < workers; ++n) workers_.emplace_back([this] { Work(); });
}

CrawlPipeline::~CrawlPipeline() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  workers_.clear();  // joins
}

void CrawlPipeline::Add(std::vector<std::string> paths) {
  if (paths.empty()) return;
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    for (std::string& path : paths) paths_.push_back(std::move(path));
    wake = idle_workers_ > 0;
  }
  if (wake) work_ready_.notify_all();
}

VisitResult CrawlPipeline::Take(int32_t index) {
  const size_t job = static_cast<size_t>(index) - 1;
  std::unique_lock lock(mutex_);
  if (workers_.empty()) {  // no workers: the crawl visits the file itself
    lock.unlock();
    return VisitPath(rules_, paths_[job], &pictures_);
  }
  wanted_ = job;
  result_ready_.wait(lock, [&] { return done_.count(job) != 0; });
  wanted_ = SIZE_MAX;
  VisitResult result = std::move(done_[job]);
  done_.erase(job);
  taken_ = job + 1;
  const bool wake = idle_workers_ > 0 && MayStart();
  lock.unlock();
  if (wake) work_ready_.notify_all();
  return result;
}

bool CrawlPipeline::MayStart() const {
  return next_job_ < paths_.size() && next_job_ < taken_ + kLookAhead;
}

void CrawlPipeline::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    ++idle_workers_;
    work_ready_.wait(lock, [&] { return stopping_ || MayStart(); });
    --idle_workers_;
    if (stopping_) return;
    const size_t job = next_job_++;
    const std::string path = paths_[job];
    lock.unlock();
    VisitResult result = VisitPath(rules_, path, &pictures_);
    lock.lock();
    done_.emplace(job, std::move(result));
    if (job == wanted_) result_ready_.notify_one();
  }
}

}  // namespace check_html
