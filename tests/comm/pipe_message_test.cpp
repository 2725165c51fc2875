#include "comm/stream/pipe_message.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "comm/stream/pipe_errors.h"
#include "comm/stream/test_comp.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::string_literals;

TEST(PipeMessage, HoldsLengthIdComponentAndDataBlock) {
  TTestComp result;
  result.PCode = 1;
  result.PData = 12;
  result.Message = "Child rNo sent to client";
  const std::string component =
      "TPF0\x09TTestComp\x00\x05PCode\x02\x01\x05PData\x02\x0C"
      "\x07Message\x06\x18" "Child rNo sent to client\x00\x00"s;
  EXPECT_EQ(EncodeMessage(3, result, "\x0C\x00\x00\x00"s),
            "\x4B\x00\x00\x00\x03\x00\x00\x00"s + component + "\x0C\x00\x00\x00"s);

  const PipeMessage decoded =
      DecodeMessageBody(EncodeMessage(-5, result, "abc").substr(4));
  EXPECT_EQ(decoded.id, -5);
  EXPECT_EQ(dynamic_cast<TTestComp&>(*decoded.component).Message, result.Message);
  EXPECT_EQ(decoded.data, "abc");
  EXPECT_THROW(DecodeMessageBody("\x01\x00\x00"s), EPipeError);
}

TEST(PipeMessage, ReadingWaitsForEveryByteAndRefusesLengthsOutsideTheLimits) {
  std::unique_ptr<PipeStream> reader, writer;
  ASSERT_TRUE(MakePipePair(reader, writer).ok());
  const std::string message = EncodeMessage(1, *MakeTestRequest(-2, 300));
  std::thread slow_writer([&] {
    for (char byte : message) {
      writer->WriteAll(std::string(1, byte));
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  EXPECT_EQ(ReadMessageBody(*reader), message.substr(4));
  slow_writer.join();

  writer->WriteAll("\x01\x00\x00\x01"s);  // one more than the longest message
  EXPECT_EQ(ErrorOf([&] { ReadMessageBody(*reader); }), "Invalid message length 16777217");
  writer->WriteAll("\x03\x00\x00\x00"s);
  EXPECT_EQ(ErrorOf([&] { ReadMessageBody(*reader); }), "Invalid message length 3");
  writer->WriteAll("\x10\x00\x00\x00" "only part"s);
  writer->Close();
  EXPECT_THROW(ReadMessageBody(*reader), EBrokenPipe);
  EXPECT_THROW(ReadMessageBody(*reader), EBrokenPipe);
}

}  // namespace
}  // namespace check_html
