// The site database: everything one check run learns about the site while it crawls, read by
// every later pass. Tables are 1-based like the reports that number their rows; entry 0 of each
// vector is an unused placeholder. Paths are stored with "/" and in lower case.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace check_html {

// One entry of a link list. `Index` is a file or picture index, negative when the target is
// missing; `Anchor` (only in LinkedFrom lists) is the NAME of the linking A element, at most
// 63 characters.
struct LinkNode {
  int32_t Index = 0;
  std::string Anchor;
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

// A named anchor for the generated lists.
struct Item {
  std::string Name;      // NAME as found; never begins with "_"
  std::string Text;      // inner HTML, only for names beginning with "?" or "\xA7"
  std::string Fragment;  // HREF part after "#"
  std::string Key;       // upper-case Name cut to 20 characters: the sort key
  std::string Href;      // HREF part before "#", resolved; empty without HREF
  std::string File;      // path of the page holding the anchor, as in Files
};

class SiteDatabase;

}  // namespace check_html
