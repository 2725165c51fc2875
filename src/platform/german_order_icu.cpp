#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>

#include "platform/case_map.h"
#include "platform/german_order.h"

namespace check_html {
namespace {

// Each text's collation key is made once, so the sort compares bytes. Without a collator (no
// ICU data) the lower-case bytes stand in.
std::string SortKey(const icu::Collator* collator, const std::string& text) {
  if (collator == nullptr) return LowerCase(text);
  const icu::UnicodeString unicode(text.data(), static_cast<int32_t>(text.size()), "windows-1252");
  std::string bytes(64, '\0');
  for (;;) {
    const int32_t size = collator->getSortKey(unicode, reinterpret_cast<uint8_t*>(bytes.data()),
                                              static_cast<int32_t>(bytes.size()));
    if (size <= static_cast<int32_t>(bytes.size())) {
      bytes.resize(static_cast<std::size_t>(size));
      return bytes;
    }
    bytes.resize(static_cast<std::size_t>(size));
  }
}

}  // namespace

std::vector<std::size_t> GermanOrder(const std::vector<std::string>& texts) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale::getGermany(), status));
  if (U_FAILURE(status)) collator.reset();
  if (collator) collator->setStrength(icu::Collator::SECONDARY);
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  for (const std::string& text : texts) keys.push_back(SortKey(collator.get(), text));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return order;
}

}  // namespace check_html
