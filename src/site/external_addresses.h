// The addresses the external-link check asks: every distinct http(s) address among the crawl's
// links (Files) and pictures (Pictures), without its fragment, which is never sent.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "site/external_result.h"

namespace check_html {

class SiteDatabase;

// True for an address that begins with http:// or https:// in any letter case.
bool IsWebAddress(std::string_view address);

// One finding per distinct address (not yet checked): links first, then pictures, each in table
// order; the referrers of every spelling that differs only in the fragment are joined.
std::vector<ExternalFinding> CollectExternalAddresses(const SiteDatabase& db);

// The host part a request goes to ("http://host:port"), lower case: the per-host limit's key.
std::string HostKey(std::string_view address);

// The address as a browser sends it: the page's Windows-1252 text as UTF-8, and blanks, control
// characters and 8-bit bytes percent-escaped (a server would not take them raw).
std::string RequestAddress(std::string_view address);

// Where a Location header sends a request for `base`, as an absolute address without fragment.
std::string ResolveLocation(std::string_view base, std::string_view location);

}  // namespace check_html
