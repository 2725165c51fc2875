// The crawl's reading of one page. Only five kinds of tag matter; a tag is recognised by the
// first characters of its text, ignoring case, with the blank after the name where the tag
// needs attributes (so a bare "<A>" or "<IMG>" is read over). Everything else is skipped.
#include "site/crawl_page_scan.h"

#include <optional>
#include <string_view>
#include <utility>

#include "html/attributes.h"
#include "html/page_reader.h"
#include "html/text_scan.h"
#include "platform/case_map.h"
#include "site/anchor_names.h"
#include "site/link_functions.h"
#include "site/path_index.h"

namespace check_html {
namespace {

constexpr std::string_view kGeneratedName = "_dum_";

// A value as the crawl's working fields hold it.
std::string Cut(std::string value) {
  if (value.size() > kCrawlFieldCapacity) value.resize(kCrawlFieldCapacity);
  return value;
}

// Appends as much of `piece` as the working field still holds.
void AppendCut(std::string& field, std::string_view piece) {
  if (field.size() < kCrawlFieldCapacity) {
    field.append(piece.substr(0, kCrawlFieldCapacity - field.size()));
  }
}

}  // namespace

PageScan::PageScan(PageReader& reader, std::string page_path, const ScanRules& rules)
    : reader_(reader),
      rules_(rules),
      current_path_(std::move(page_path)),
      current_folder_(FolderOf(current_path_)) {}

// The rows are tried in order; the first match handles the tag. An action returning false ends
// the page. The run's stop request is not looked at inside a page.
ScannedPage PageScan::Scan() {
  using Action = bool (PageScan::*)(const std::string&);
  struct Row {
    std::string_view test;
    bool whole_tag;  // the tag text must be `test` itself, not only begin with it
    Action action;
  };
  static constexpr Row kRows[] = {
      {"body ", false, &PageScan::CollectBackground},
      {"a ", false, &PageScan::CollectAnchor},
      {"img ", false, &PageScan::CollectImg},
      {"title", true, &PageScan::CollectTitle},
      {"/body", false, &PageScan::EndPage},
  };

  DumCounter = 0;
  while (!reader_.AtPageEnd() && reader_.ReadTagOnly(tag_)) {
    if (rules_.collect_anchors) CollectAnchorNames(tag_);
    for (const Row& row : kRows) {
      if (row.whole_tag ? EqualNoCase(tag_, row.test) : StartsWithNoCase(tag_, row.test)) {
        if (!(this->*row.action)(tag_)) return std::move(page_);
        break;
      }
    }
  }
  return std::move(page_);
}

bool PageScan::CollectBackground(const std::string& tag) {
  CollectPicture(GetAttribute("background", tag));
  return true;
}

bool PageScan::CollectImg(const std::string& tag) {
  CollectPicture(GetAttribute("src", tag));
  return true;
}

bool PageScan::EndPage(const std::string& /*tag*/) { return false; }

// The title is the text up to the next tag that is no comment; comments inside are dropped
// and the texts around them joined.
bool PageScan::CollectTitle(const std::string& /*tag*/) {
  std::string title;
  std::string end_tag;
  reader_.ReadTagSkipComments(title, end_tag);
  if (!StartsWithNoCase(end_tag, "/title")) page_.LogLines.push_back("!!!wrong endtag in Load_title");
  page_.Title = std::move(title);
  return true;
}

std::string PageScan::Resolve(std::string_view link) const {
  return ResolveSiteLink(current_folder_, rules_.site_root, link);
}

// Anchors as the page was read: the NAME of an A element, the ID of any element. End tags,
// comments and declarations define none.
void PageScan::CollectAnchorNames(const std::string& tag) {
  if (tag.empty() || tag[0] == '/' || tag[0] == '!') return;
  auto add = [this](std::optional<std::string_view> value) {
    if (!value || value->empty()) return;
    std::string key = AnchorKey(*value);
    if (anchor_set_.insert(key).second) page_.AnchorKeys.push_back(std::move(key));
  };
  const bool anchor = (tag[0] == 'a' || tag[0] == 'A') && tag.size() > 1 &&
                      (tag[1] == ' ' || tag[1] == '\t');
  if (anchor) add(ReadHtmlAttribute(tag, "name"));
  if (FindNoCase(tag, "id") != std::string::npos) add(ReadHtmlAttribute(tag, "id"));
}

void PageScan::CollectFragment(const std::string& link, const std::string& fragment) {
  std::string target = link.empty() ? std::string() : Cut(Resolve(link));
  if (!fragment_set_.insert(target + "#" + fragment).second) return;
  page_.Fragments.push_back(FragmentLink{std::move(target), fragment, FragmentKey(fragment)});
}

void PageScan::CollectPicture(const std::string& value) {
  if (value.empty()) return;
  std::string path = Resolve(Cut(value));
  if (page_pic_set_.insert(path).second) page_.PagePics.push_back(std::move(path));
}

// An A element: HREF without the blanks around it (as browsers read it), split at its first
// "#" (a final "#" is an empty fragment, so "#" alone links nowhere), NAME as found or
// generated. Generated names count the page's A elements in document order, the same way the
// anchor rewrite numbers them, so a LinkedFrom anchor names a real place.
bool PageScan::CollectAnchor(const std::string& tag) {
  std::string link = Cut(std::string(TrimView(GetAttribute("href", tag))));
  std::string fragment;
  if (const std::size_t hash = link.find('#'); hash != std::string::npos) {
    fragment = link.substr(hash + 1);
    link.resize(hash);
  }
  if (rules_.collect_anchors && !fragment.empty()) CollectFragment(link, fragment);

  std::string name = Cut(GetAttribute("name", tag));
  std::string text;
  if (!name.empty() && (name[0] == '?' || name[0] == '\xA7')) {
    text = CollectLinkText();
  } else if (name.empty() || name.starts_with(kGeneratedName)) {
    name = std::string(kGeneratedName) + std::to_string(++DumCounter);
  }
  CollectLink(std::move(link), name, std::move(text), std::move(fragment));
  return true;
}

// The inner HTML of an abbreviation or translation anchor up to its end tag (or the page end),
// with the inner tags rebuilt from their tag texts.
std::string PageScan::CollectLinkText() {
  std::string text;
  std::string run;
  std::string tag;
  while (!reader_.AtPageEnd()) {
    const bool read = reader_.ReadTag(run, tag);
    AppendCut(text, run);
    if (!read || StartsWithNoCase(tag, "/a")) break;
    AppendCut(text, "<");
    AppendCut(text, tag);
    AppendCut(text, ">");
  }
  return text;
}

// Each resolved target is kept once per page, with the name of its first link. Names that
// begin with "_" (the generated ones among them) make no item.
void PageScan::CollectLink(std::string link, const std::string& name, std::string text,
                            std::string fragment) {
  if (!link.empty()) {
    link = Cut(Resolve(link));
    if (page_link_set_.insert(link).second) {
      page_.PageLinkHashes.push_back(PathIndex::HashOf(link));  // on the worker thread
      page_.PageLinks.push_back(link);
      page_.PageNames.push_back(name);
    }
  }
  if (name.starts_with('_')) return;
  page_.Items.push_back(Item{name, std::move(text), std::move(fragment), std::string(),
                            std::move(link), current_path_});
}

}  // namespace check_html
