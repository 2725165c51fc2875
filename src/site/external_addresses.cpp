#include "site/external_addresses.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "platform/case_map.h"
#include "platform/text_utf8.h"
#include "site/site_database.h"

namespace check_html {
namespace {

std::string_view WithoutFragment(std::string_view address) {
  return address.substr(0, address.find('#'));
}

void AddReferrer(std::vector<int32_t>& from, int32_t page) {
  if (page > 0 && std::find(from.begin(), from.end(), page) == from.end()) from.push_back(page);
}

// "scheme://authority" of an absolute address, as written.
std::string_view Origin(std::string_view address) {
  const std::size_t scheme_end = address.find("://");
  if (scheme_end == std::string_view::npos) return {};
  const std::size_t path = address.find_first_of("/?#", scheme_end + 3);
  return address.substr(0, path);
}

bool HasScheme(std::string_view location) {
  const std::size_t colon = location.find(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  return std::all_of(location.begin(), location.begin() + colon, [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  const std::string head = LowerCase(address.substr(0, 8));
  return head.starts_with("http://") || head == "https://";
}

std::vector<ExternalFinding> CollectExternalAddresses(const SiteDatabase& db) {
  std::vector<ExternalFinding> findings;
  std::unordered_map<std::string, std::size_t> row_of;
  const auto finding_for = [&](std::string_view path) -> ExternalFinding* {
    if (!IsWebAddress(path)) return nullptr;
    const std::string address(WithoutFragment(path));
    const auto [row, added] = row_of.try_emplace(address, findings.size());
    if (added) findings.push_back(ExternalFinding{address, {}, {}, false, false});
    return &findings[row->second];
  };
  for (int32_t i = 1; i <= db.FileCount(); ++i) {
    if (ExternalFinding* finding = finding_for(db.Files()[i])) {
      for (const LinkNode& node : db.FileRecords()[i].LinkedFrom) AddReferrer(finding->from, node.Index);
    }
  }
  for (int32_t j = 1; j <= db.PicCount(); ++j) {
    if (ExternalFinding* finding = finding_for(db.Pictures()[j])) {
      for (const LinkNode& node : db.PicRecords()[j].UsedBy) AddReferrer(finding->from, node.Index);
    }
  }
  return findings;
}

std::string HostKey(std::string_view address) { return LowerCase(Origin(address)); }

std::string RequestAddress(std::string_view address) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string request;
  for (const char c : Utf8From1252(address)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F) {
      request += c;
    } else {
      request += {'%', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return request;
}

std::string ResolveLocation(std::string_view base, std::string_view location_in) {
  const std::string_view location = WithoutFragment(location_in);
  if (HasScheme(location)) return std::string(location);
  if (location.starts_with("//")) {
    return std::string(base.substr(0, base.find("://") + 1)) + std::string(location);
  }
  const std::string_view origin = Origin(base);
  if (location.starts_with("/")) return std::string(origin) + std::string(location);
  // Relative to the base's folder: its path up to the last "/", the query left out.
  std::string_view path = WithoutFragment(base).substr(origin.size());
  path = path.substr(0, path.find('?'));
  const std::size_t slash = path.rfind('/');
  const std::string_view folder = slash == std::string_view::npos ? "/" : path.substr(0, slash + 1);
  if (location.empty()) return std::string(WithoutFragment(base));
  if (location.starts_with("?")) return std::string(origin) + std::string(path) + std::string(location);
  return std::string(origin) + std::string(folder) + std::string(location);
}

}  // namespace check_html
