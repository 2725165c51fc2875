#include "lists/latex_entry_list.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/text_utf8.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

// Compares Windows-1252 keys with the German collator at secondary strength: letter case is
// ignored, accents are not. Each key's collation key is made once, so the sort compares bytes.
class GermanKeys {
 public:
  GermanKeys() {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(icu::Collator::createInstance(icu::Locale::getGermany(), status));
    if (U_FAILURE(status)) collator_.reset();
    if (collator_) collator_->setStrength(icu::Collator::SECONDARY);
  }

  // Without a collator (no ICU data) the lower-case bytes stand in.
  std::string SortKey(const std::string& key) const {
    if (!collator_) return LowerCase(key);
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(Utf8From1252(key));
    std::string bytes(64, '\0');
    for (;;) {
      const int32_t size = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(bytes.data()),
                                                 static_cast<int32_t>(bytes.size()));
      if (size <= static_cast<int32_t>(bytes.size())) {
        bytes.resize(static_cast<std::size_t>(size));
        return bytes;
      }
      bytes.resize(static_cast<std::size_t>(size));
    }
  }

 private:
  std::unique_ptr<icu::Collator> collator_;
};

}  // namespace

void LatexEntryList::Add(IndexEntry entry) { entries_.push_back(std::move(entry)); }

std::vector<IndexEntry> LatexEntryList::Sorted() && {
  const GermanKeys keys;
  struct Sortable {
    std::string sort_key;
    IndexEntry* entry;
  };
  std::vector<Sortable> order;
  order.reserve(entries_.size());
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    order.push_back(Sortable{keys.SortKey(it->sort), &*it});
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Sortable& a, const Sortable& b) { return a.sort_key < b.sort_key; });
  std::vector<IndexEntry> sorted;
  sorted.reserve(order.size());
  for (const Sortable& item : order) sorted.push_back(std::move(*item.entry));
  entries_.clear();
  return sorted;
}

}  // namespace check_html
