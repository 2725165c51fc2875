#include "comm/stream/test_comp.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::string_literals;

class TestComp : public ::testing::Test {
 protected:
  TestComp() {
    FillList(backbone_, "Kesta", 12);
    FillList(cleaned_, "Kesta", 3);
    host_.backbone = &backbone_;
    host_.cleaned = &cleaned_;
    host_.message = [this](const std::string& line) { log_.push_back(line); };
    host_.start_test_thread = [this](int32_t code, int32_t data) {
      started_.emplace_back(code, data);
    };
  }

  PageList backbone_, cleaned_;
  ComponentHost host_;
  std::vector<std::string> log_;
  std::vector<std::pair<int32_t, int32_t>> started_;
};

TEST_F(TestComp, SaveDataWritesTheCountOrTheWholeListAsItIsWhenSent) {
  cleaned_.Add("late.html");
  const std::tuple<int32_t, std::string, int32_t> cases[] = {
      {1, "\x0C\x00\x00\x00"s, 12}, {4, "\x00\x05\x00\x00"s + cleaned_.Pack(), 1}, {0, "", 1}};
  for (const auto& [code, data, p_data] : cases) {
    TTestComp comp;
    comp.PCode = code;
    comp.PData = 1;  // a count goes into PData; for a list, whatever was asked, all of it goes
    std::string written;
    comp.SaveData(written, host_);
    EXPECT_EQ(std::pair(written, comp.PData), std::pair(data, p_data)) << code;
  }
}

TEST_F(TestComp, LoadDataStoresCountsAndListsAndAsksForTheWholeList) {
  PageList source;
  FillList(source, "Remote", 2);
  TTestComp count;
  count.PCode = 3;
  count.LoadData("\x02\x00\x00\x00"s, host_);
  EXPECT_EQ(cleaned_.Count(), 2);
  EXPECT_EQ(started_, (std::vector<std::pair<int32_t, int32_t>>{{-4, 1}}));

  TTestComp list;
  list.PCode = 2;
  const std::string block = source.Pack();
  list.LoadData("\x00\x03\x00\x00"s + block, host_);
  EXPECT_EQ(backbone_.Snapshot(), source.Snapshot());  // 12 entries before: the count follows
  EXPECT_EQ(log_, source.Snapshot());
}

TEST_F(TestComp, LoadDataRefusesBlocksThatDoNotHoldWhatTheySay) {
  const std::string entry(256, '\0');
  const struct {
    int32_t code;
    std::string data;
    std::string error;
  } cases[] = {
      {1, "\x01\x00\x00"s, "Stream read error"},
      {1, "\x00\x10\x00\x00"s, "Invalid data block"},  // 4096 is more than a list holds
      {1, "\xFF\xFF\xFF\xFF"s, "Invalid data block"},
      {2, "\x00\x02\x00\x00"s + entry, "Stream read error"},
      {4, "\x01\x01\x00\x00"s + entry + entry, "Invalid data block"},
      {4, "\x00\x00\x00\x00"s, "Invalid data block"},
      {2, "\x00\x01\x10\x00"s + std::string(4097 * 256, '\0'), "Invalid data block"},
  };
  const auto before = backbone_.Snapshot();
  for (const auto& c : cases) {
    TTestComp comp;
    comp.PCode = c.code;
    EXPECT_EQ(ErrorOf([&] { comp.LoadData(c.data, host_); }), c.error);
  }
  EXPECT_EQ(backbone_.Snapshot(), before);
  EXPECT_TRUE(started_.empty());
}

}  // namespace
}  // namespace check_html
