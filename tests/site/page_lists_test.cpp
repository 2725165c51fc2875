#include "site/page_lists.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace check_html {
namespace {

// A full cleaned list setting ListFull is tested with the rewrite that fills it.
TEST(PageList, AFullListOverwritesItsLastEntry) {
  PageList list;
  list.Reset("p");
  for (int32_t i = 1; i <= 4095; ++i) ASSERT_TRUE(list.Add("page" + std::to_string(i)));
  EXPECT_FALSE(list.Add("one more"));
  EXPECT_EQ(list.Count(), 4095);
  EXPECT_EQ(list.Get(4094), "page4094");
  EXPECT_EQ(list.Get(4095), "one more");
}

TEST(PageList, KeepsTheFirst255CharactersAndChecksItsBounds) {
  PageList list;
  list.Reset(std::string(300, 'n'));
  list.Add(std::string(256, 'a'));
  list.Set(7, std::string(255, 'b') + "c");
  EXPECT_EQ(list.Snapshot(), (std::vector<std::string>{std::string(255, 'n'), std::string(255, 'a')}));
  EXPECT_EQ(list.Get(7), std::string(255, 'b'));
  PageLists lists;
  lists.SetRootPrefix(std::string(260, 'r'));
  EXPECT_EQ(lists.RootPrefix(), std::string(255, 'r'));

  EXPECT_THROW(list.Get(4096), std::out_of_range);
  EXPECT_THROW(list.Set(-1, "x"), std::out_of_range);
  EXPECT_FALSE(list.SetCount(4096));
  EXPECT_FALSE(list.SetCount(-1));
  EXPECT_EQ(list.Count(), 1);
}

TEST(PageList, PacksEachEntryAsALengthByteAnd255BytesAndUnpacksThem) {
  PageList list;
  list.Reset("Kesta");
  list.Add("\xE4.html");
  const std::string block = list.Pack();
  EXPECT_EQ(block, std::string("\x05Kesta", 6) + std::string(250, '\0') +
                       std::string("\x06\xE4.html", 7) + std::string(249, '\0'));

  PageList copy;
  copy.Set(2, "stale");
  ASSERT_TRUE(copy.Unpack(block));
  EXPECT_EQ(copy.Count(), 0);  // the count travels separately
  ASSERT_TRUE(copy.SetCount(1));
  EXPECT_EQ(copy.Snapshot(), list.Snapshot());
  EXPECT_EQ(copy.Get(2), "stale");

  EXPECT_FALSE(copy.Unpack(std::string(300, 'x')));  // not whole entries
  EXPECT_FALSE(copy.Unpack(std::string(4097 * kPackedEntrySize, '\x01')));
  EXPECT_EQ(copy.Get(0), "Kesta");
  EXPECT_TRUE(copy.Unpack(std::string(4096 * kPackedEntrySize, '\x01')));
  EXPECT_EQ(copy.Get(4095), "\x01");
}

}  // namespace
}  // namespace check_html
