#include "lists/latex_index_group.h"

#include <cstddef>
#include <optional>

#include "html/page_writer.h"
#include "lists/latex_entry_text.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

constexpr std::size_t kKeyCapacity = 255;

constexpr std::string_view kItem = "<span class=\"index-item\">";
constexpr std::string_view kSubItem =
    "<span class=\"index-subitem\">&#x00A0;&#x00A0;&#x00A0;&#x00A0;";
constexpr std::string_view kSubSubItem =
    "<span class=\"index-subsubitem\">&#x00A0;&#x00A0;&#x00A0;&#x00A0;&#x00A0;&#x00A0;&#x00A0;"
    "&#x00A0;";
constexpr std::string_view kSpace = "&#x00A0;&#x00A0;";
constexpr std::string_view kSpanEnd = "<Br></span>";

// The levels of `key` up to its end mark, the first "!" followed by another; a "!" in the first
// place does not count. Nothing when the key holds no end mark.
std::optional<std::vector<std::string_view>> SplitKey(std::string_view key) {
  std::vector<std::string_view> levels;
  std::size_t start = 0;
  std::size_t bang = FindUnquoted(key, '!');
  if (bang == 0) bang = FindUnquoted(key, '!', 1);
  for (; bang != std::string_view::npos; bang = FindUnquoted(key, '!', start)) {
    levels.push_back(key.substr(start, bang - start));
    if (bang + 1 < key.size() && key[bang + 1] == '!') return levels;
    start = bang + 1;
  }
  return std::nullopt;
}

std::string Span(std::string_view opening, std::string_view level, std::string_view ending) {
  return std::string(opening) + Unquoted(level) + std::string(ending);
}

}  // namespace

void WriteIndexGroups(PageWriter& writer, const std::vector<IndexEntry>& entries) {
  IndexGroupWriter groups(writer);
  for (std::size_t first = 0; first < entries.size();) {
    std::size_t last = first + 1;
    while (last < entries.size() && entries[last].key == entries[first].key &&
           entries[last].sort == entries[first].sort) {
      ++last;
    }
    groups.WriteIndexGroup(std::span(entries).subspan(first, last - first));
    first = last;
  }
}

void IndexGroupWriter::WriteIndexGroup(std::span<const IndexEntry> group) {
  const std::string_view key = std::string_view(group.front().key).substr(0, kKeyCapacity);
  const std::optional<std::vector<std::string_view>> levels = SplitKey(key);
  if (!levels) return;
  int same = 0;
  if ((*levels)[0] == previous_item_) {
    same = 1;
  } else {
    previous_item_ = (*levels)[0];
    previous_sub_item_.clear();
  }
  if (levels->size() >= 2) {
    if ((*levels)[1] == previous_sub_item_) {
      same = 2;
    } else {
      previous_sub_item_ = (*levels)[1];
    }
  }
  // The paragraph goes by the initial the entry sorts under.
  const char initial = ToLower1252(group.front().sort.front());
  if (same == 0 && initial != initial_) {
    writer_.WriteLine(initial_ == ' ' ? "<P class=\"theindex\">" : "</P><P class=\"theindex\">");
    initial_ = initial;
  }
  WriteSpans(same, *levels);
  for (std::size_t n = 1; n <= group.size(); ++n) {
    std::string reference = "<A HREF=\"" + group[n - 1].link + "\">[" + std::to_string(n) + "]</A>";
    if (n < group.size()) reference += ", ";
    writer_.WriteText(reference);
  }
  writer_.WriteLine(kSpanEnd);
}

// The spans of the levels not shared with the group before: `same` is 1 when the item is shared,
// 2 when the sub-item is too. The deepest level's span stays open for the links.
void IndexGroupWriter::WriteSpans(int same, const std::vector<std::string_view>& levels) {
  const std::string_view item = levels[0];
  if (levels.size() == 1) {
    writer_.WriteText(Span(kItem, item, kSpace));
    return;
  }
  const std::string_view sub_item = levels[1];
  if (same == 0) writer_.WriteLine(Span(kItem, item, kSpanEnd));
  if (levels.size() == 2) {
    writer_.WriteText(Span(kSubItem, sub_item, kSpace));
    return;
  }
  const std::string_view sub_sub_item = levels.back();
  if (same == 2) {
    writer_.WriteLine(Span(kSubSubItem, sub_sub_item, kSpace));
    return;
  }
  writer_.WriteLine(Span(kSubItem, sub_item, kSpanEnd));
  writer_.WriteText(Span(kSubSubItem, sub_sub_item, kSpace));
}

}  // namespace check_html
