// The navigation elements that converter pages bring along: the crosslinks div, whose links
// become the targets of the new bar, and the section-kind block, replaced by a label script.
#include "rewrite/navigation_bars.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "html/attributes.h"
#include "platform/case_map.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

constexpr size_t kShortText = 255;  // targets and the collected block are short strings
constexpr const char* kSiteIndex = "../../index.html";

bool IsDivEnd(const std::string& tag) { return StartsWithNoCase(tag, "/div"); }

struct SectionKind {
  const char* gif;
  const char* png;
  const char* label;
};

// In the order the pictures are looked for.
constexpr SectionKind kSectionKinds[] = {
    {"illu.gif", "illu.png", "Illustration"},
    {"adva.gif", "adva.png", "Advanced"},
    {"basics.gif", "basics.png", "Basics"},
    {"hidden_yellow.gif", "hidden_yellow.png", "Hidden"},
    {"science.gif", "science.png", "Science"},
};

}  // namespace

void ReadCrosslinks(PageRewrite& page) {
  int count = 0;
  while (page.reader.ReadTag(page.text, page.tag) && !IsDivEnd(page.tag)) {
    if (!StartsWithNoCase(page.tag, "a ")) continue;
    ++count;
    if (count > 2) continue;
    std::string href = GetAttribute("href", page.tag).substr(0, kShortText);
    (count == 1 ? page.ForwardTarget : page.BackTarget) = std::move(href);
  }
  if (count < 3) {
    page.BackTarget = kSiteIndex;
  } else if (count < 5) {
    page.ForwardTarget = kSiteIndex;
  }
}

// The block ends at its closing div or at the page end; both close it. The picture names are
// looked for in the first 255 characters of the block's texts and tag texts. A block that names
// none keeps its content, so the div it belongs to is closed after it.
void SectionMark(PageRewrite& page) {
  std::string collected;  // texts and tag texts, as the picture names are looked for
  std::string as_read;    // texts and tags with their angle brackets
  while (page.reader.ReadTag(page.text, page.tag) && !IsDivEnd(page.tag)) {
    collected += page.text;
    collected += page.tag;
    as_read += page.text + "<" + page.tag + ">";
  }
  as_read += page.text;  // in front of the closing div, or the rest of the page
  collected.resize(std::min(collected.size(), kShortText));
  for (const SectionKind& kind : kSectionKinds) {
    if (collected.find(kind.gif) == std::string::npos &&
        collected.find(kind.png) == std::string::npos) {
      continue;
    }
    page.writer.WriteText(std::string("<SCRIPT ID=\"zq_x_3\" LANGUAGE=\"JavaScript\">rot_text(") +
                          "document, \"" + kind.label + "\")</SCRIPT></DIV>");
    return;
  }
  page.writer.WriteText(as_read + "</DIV>");
}

}  // namespace check_html
