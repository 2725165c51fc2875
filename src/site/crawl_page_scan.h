// The crawl's reading of one page: which pictures it shows, what it links to, its title and its
// named anchors. A scan touches nothing but its own reader, so pages can be scanned ahead of the
// crawl on other threads; the crawl then stores the results in page order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "site/item_chain.h"

namespace check_html {

class PageReader;

// The working fields of the crawl hold at most this many characters; longer values are cut.
inline constexpr std::size_t kCrawlFieldCapacity = 255;

// What a scan looks for beyond the links, pictures, title and named anchors of every crawl.
struct ScanRules {
  bool collect_anchors = false;  // the anchors the page defines and its links' fragments
  // The folder that a link beginning with "/" refers to ("/" form, lower case, trailing "/");
  // empty: such a link counts as relative to the page's folder.
  std::string site_root;
};

// A link with a fragment: `target` is the resolved page, empty for the page itself ("#name").
struct FragmentLink {
  std::string target;
  std::string fragment;  // as written after "#"
  std::string key;       // FragmentKey of it
};

struct ScannedPage {
  std::optional<std::string> Title;  // text of the page's last TITLE element
  std::vector<std::string> LogLines;
  std::vector<std::string> PageLinks;  // resolved targets, each once, in order of appearance
  std::vector<std::string> PageNames;  // entry n: the name that goes with PageLinks entry n
  std::vector<std::size_t> PageLinkHashes;  // entry n: PathIndex::HashOf(PageLinks[n])
  std::vector<std::string> PagePics;   // resolved pictures, each once
  std::vector<Item> Items;             // named anchors, in document order
  // With ScanRules::collect_anchors: the AnchorKey of every NAME of an A element and every ID,
  // and every link with a fragment, each once.
  std::vector<std::string> AnchorKeys;
  std::vector<FragmentLink> Fragments;
};

class PageScan {
 public:
  // `reader` holds the loaded page; `page_path` is its path as stored in Files.
  PageScan(PageReader& reader, std::string page_path, const ScanRules& rules = {});

  ScannedPage Scan();

 private:
  bool CollectBackground(const std::string& tag);
  bool CollectImg(const std::string& tag);
  bool CollectAnchor(const std::string& tag);
  bool CollectTitle(const std::string& tag);
  bool EndPage(const std::string& tag);
  void CollectPicture(const std::string& value);
  void CollectAnchorNames(const std::string& tag);
  void CollectFragment(const std::string& link, const std::string& fragment);
  std::string Resolve(std::string_view link) const;
  std::string CollectLinkText();
  void CollectLink(std::string link, const std::string& name, std::string text,
                   std::string fragment);

  PageReader& reader_;
  const ScanRules rules_;
  std::string current_path_;
  std::string current_folder_;  // with the trailing "/"
  int32_t DumCounter = 0;       // generated anchor names given out on this page
  ScannedPage page_;
  std::unordered_set<std::string> page_link_set_;
  std::unordered_set<std::string> page_pic_set_;
  std::unordered_set<std::string> anchor_set_;    // AnchorKeys
  std::unordered_set<std::string> fragment_set_;  // target + "#" + fragment
  std::string tag_;  // the scanner's reused out-string
};

}  // namespace check_html
