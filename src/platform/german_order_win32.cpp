#include <windows.h>

#include <algorithm>
#include <numeric>

#include "platform/german_order.h"
#include "platform/text_1252_win32.h"

namespace check_html {

// SORT_STRINGSORT compares hyphens and apostrophes as symbols, as ICU does, instead of
// skipping them.
std::vector<std::size_t> GermanOrder(const std::vector<std::string>& texts) {
  std::vector<std::wstring> wide;
  wide.reserve(texts.size());
  for (const std::string& text : texts) wide.push_back(WideFrom1252(text));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&wide](std::size_t a, std::size_t b) {
    return CompareStringEx(L"de-DE", LINGUISTIC_IGNORECASE | SORT_STRINGSORT, wide[a].c_str(),
                           static_cast<int>(wide[a].size()), wide[b].c_str(),
                           static_cast<int>(wide[b].size()), nullptr, nullptr,
                           0) == CSTR_LESS_THAN;
  });
  return order;
}

}  // namespace check_html
