// The pieces of the external-link check that need no server: which addresses are asked, where a
// redirect leads, and the cache file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/external_addresses.h"
#include "site/external_cache.h"
#include "site/site_database.h"

namespace check_html {
namespace {

TEST(ExternalAddresses, DistinctWebAddressesWithoutFragmentAndTheirReferrers) {
  SiteDatabase db;
  const int32_t start = db.AddFile("c:/site/start.html", 0, "");
  const int32_t page = db.AddFile("c:/site/a.html", start, "");
  db.AddFile("http://Example.org/x#one", start, "");
  db.AddFile("http://Example.org/x#two", page, "");
  db.AddFile("HTTPS://example.org/", page, "");
  db.AddFile("mailto:someone@example.org", page, "");
  db.AddFile("javascript:void(0)", page, "");
  db.AddFile("ftp://example.org/file", page, "");
  db.AddPicture("http://Example.org/x", false, page);
  db.AddPicture("http://example.org/pic.gif", false, start);

  const std::vector<ExternalFinding> found = CollectExternalAddresses(db);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].address, "http://Example.org/x");
  EXPECT_EQ(found[0].from, (std::vector<int32_t>{start, page}));
  EXPECT_EQ(found[1].address, "HTTPS://example.org/");
  EXPECT_EQ(found[2].address, "http://example.org/pic.gif");
  EXPECT_EQ(found[2].from, std::vector<int32_t>{start});
}

TEST(ExternalAddresses, HostKeysAndRedirectTargets) {
  EXPECT_EQ(HostKey("HTTP://Example.org:8080/a?b"), "http://example.org:8080");
  EXPECT_EQ(HostKey("https://example.org"), "https://example.org");
  const std::string base = "http://h:1/dir/page.html?q#f";
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"https://other/x", "https://other/x"},
      {"//other/x", "http://other/x"},
      {"/root", "http://h:1/root"},
      {"next.html", "http://h:1/dir/next.html"},
      {"next.html#part", "http://h:1/dir/next.html"},
      {"?p=2", "http://h:1/dir/page.html?p=2"},
      {"", "http://h:1/dir/page.html?q"},
  };
  for (const auto& [location, target] : cases) EXPECT_EQ(ResolveLocation(base, location), target) << location;
  EXPECT_EQ(ResolveLocation("http://h", "x"), "http://h/x");
}

TEST(ExternalAddresses, RequestsEscapeBlanksControlsAnd8BitTextAsUtf8) {
  EXPECT_EQ(RequestAddress("http://h/a b\t%20\x7F~!\xFC.html?x=\"1\""),
            "http://h/a%20b%09%20%7F~!%C3%BC.html?x=\"1\"");
}

TEST(ExternalCacheFile, ReadsWhatItWritesAndDropsWhatItCannotRead) {
  ExternalCache cache;
  cache.Put("http://h/ok", ExternalResult{ExternalVerdict::kOk, 200, "", "", 100});
  cache.Put("http://h/old", ExternalResult{ExternalVerdict::kMoved, 200, "", "http://h/new", 200});
  cache.Put("http://h/gone", ExternalResult{ExternalVerdict::kBroken, 0, "refused", "", 300});
  cache.Put("http://h/tab\there", ExternalResult{ExternalVerdict::kOk, 200, "", "", 100});
  const std::string text = cache.Text();
  EXPECT_EQ(text,
            "http://h/gone\tbroken\t0\t\t300\n"
            "http://h/ok\tok\t200\t\t100\n"
            "http://h/old\tmoved\t200\thttp://h/new\t200\n");
  EXPECT_EQ(ExternalCache::Parse(text).Text(), text);
  const ExternalCache odd = ExternalCache::Parse(
      "http://h/a\tok\t200\t\t5\r\n"  // a CR LF line is read
      "http://h/b\tfine\t200\t\t5\n"  // unknown verdict
      "http://h/c\tok\t200x\t\t5\n"   // status not a number
      "http://h/d\tok\t200\t\n"       // a field short
      "\tok\t200\t\t5\n"              // no address
      "http://h/e\tok\t200\t\t5");    // last line without line end
  EXPECT_EQ(odd.Text(), "http://h/a\tok\t200\t\t5\nhttp://h/e\tok\t200\t\t5\n");
}

TEST(ExternalCacheFile, FreshWithinCacheDaysAndNeverWhenBroken) {
  const ExternalCache cache = ExternalCache::Parse(
      "http://h/ok\tok\t200\t\t1000000\nhttp://h/gone\tbroken\t404\t\t1000000\n");
  constexpr int64_t kDay = 86400;
  struct Case {
    int64_t now;
    int32_t days;
    bool fresh;
  };
  for (const Case c : {Case{1000000, 1, true}, Case{1000000 + kDay - 1, 1, true},
                       Case{1000000 + kDay, 1, false}, Case{1000000 + 2 * kDay - 1, 2, true},
                       Case{1000000, 0, false}, Case{1000000 - 1, 1, false}}) {
    EXPECT_EQ(cache.Fresh("http://h/ok", c.now, c.days).has_value(), c.fresh) << c.now << " " << c.days;
    EXPECT_FALSE(cache.Fresh("http://h/gone", c.now, c.days));
  }
  EXPECT_FALSE(cache.Fresh("http://h/unknown", 1000000, 1));
}

}  // namespace
}  // namespace check_html
