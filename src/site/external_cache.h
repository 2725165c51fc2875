// The results of earlier external-link checks, kept in the output folder as
// "check_html_ext.cache": one line per address, its fields separated by tabs:
//
//   address  verdict (ok, moved, broken)  status  new address  time (seconds since 1970)
//
// A line that does not read so is left out; an address holding a tab or a line break is not kept.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "site/external_result.h"

namespace check_html {

inline constexpr const char* kExternalCacheName = "check_html_ext.cache";

class ExternalCache {
 public:
  // Reads the text of a cache file.
  static ExternalCache Parse(std::string_view text);
  // The text of the cache file, addresses in byte order.
  std::string Text() const;

  // The result to use instead of asking: one asked less than `days` days before `now`, and
  // never a broken one.
  std::optional<ExternalResult> Fresh(const std::string& address, int64_t now, int32_t days) const;
  void Put(const std::string& address, const ExternalResult& result);
  std::size_t Size() const { return entries_.size(); }

 private:
  std::map<std::string, ExternalResult> entries_;
};

}  // namespace check_html
