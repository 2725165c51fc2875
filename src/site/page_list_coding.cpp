#include "site/page_list_coding.h"

namespace check_html {

void PutPageEntry(std::string& dst, std::string_view text) {
  text = text.substr(0, kPageEntryCapacity);
  dst.push_back(static_cast<char>(text.size()));
  dst.append(text);
  dst.append(kPageEntryCapacity - text.size(), '\0');
}

bool GetPageEntry(std::string_view& input, std::string& text) {
  if (input.size() < kPackedEntrySize) return false;
  const auto length = static_cast<unsigned char>(input[0]);
  text.assign(input.substr(1, length));
  input.remove_prefix(kPackedEntrySize);
  return true;
}

}  // namespace check_html
