#include "comm/stream/component_stream.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "comm/stream/test_comp.h"
#include "platform/text_utf8.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::string_literals;

std::string Stream(const TComponent& component) {
  std::string bytes;
  PutComponent(bytes, component);
  return bytes;
}

// The stream of a TTestComp whose properties are `properties` (already encoded).
std::string TestCompStream(const std::string& properties) {
  return "TPF0\x09TTestComp\x00"s + properties + "\x00\x00"s;
}

// The error of reading `bytes` as a component, or "no error".
std::string ReadError(std::string_view bytes) {
  return ErrorOf([&] { GetComponent(bytes); });
}

TEST(ComponentStream, WritesARequestAndAnExceptionResultByteForByte) {
  EXPECT_EQ(Stream(*MakeTestRequest(-1, 0)),
            TestCompStream("\x05PCode\x02\xFF\x07Message\x06\x0DSend Child No"s));
  TExceptionResult failure;
  failure.ExceptionClass = "EPipeError";
  failure.Message = "Invalid data block";
  EXPECT_EQ(Stream(failure),
            "TPF0\x10TExceptionResult\x00"
            "\x0E" "ExceptionClass\x06\x0A" "EPipeError"
            "\x07Message\x06\x12Invalid data block\x00\x00"s);
}

// Integers in the shortest signed form, texts short, long or as UTF-8; defaults not written.
TEST(ComponentStream, WritesAndReadsBackEachPropertyInItsShortestForm) {
  const std::string a255(255, 'a'), a256(256, 'a');
  const struct {
    int32_t data;
    std::string message, properties;
  } cases[] = {
      {0, "", ""},
      {1, "", "\x05PData\x02\x01"s},
      {127, "", "\x05PData\x02\x7F"s},
      {-128, "", "\x05PData\x02\x80"s},
      {128, "", "\x05PData\x03\x80\x00"s},
      {-129, "", "\x05PData\x03\x7F\xFF"s},
      {32767, "", "\x05PData\x03\xFF\x7F"s},
      {-32768, "", "\x05PData\x03\x00\x80"s},
      {32768, "", "\x05PData\x04\x00\x80\x00\x00"s},
      {-32769, "", "\x05PData\x04\xFF\x7F\xFF\xFF"s},
      {INT_MAX, "", "\x05PData\x04\xFF\xFF\xFF\x7F"s},
      {INT_MIN, "", "\x05PData\x04\x00\x00\x00\x80"s},
      {0, a255, "\x07Message\x06\xFF"s + a255},
      {0, a256, "\x07Message\x0C\x00\x01\x00\x00"s + a256},
      {0, "M\xFCller", "\x07Message\x14\x07\x00\x00\x00M\xC3\xBCller"s},
      {0, "\x80 \xA7 \x9F", "\x07Message\x14\x09\x00\x00\x00\xE2\x82\xAC \xC2\xA7 \xC5\xB8"s},
  };
  for (const auto& c : cases) {
    TTestComp comp;
    comp.PData = c.data;
    comp.Message = c.message;
    const std::string bytes = Stream(comp);
    EXPECT_EQ(bytes, TestCompStream(c.properties)) << c.data << " " << c.message.size();
    std::string_view input = bytes;
    const auto component = GetComponent(input);
    const auto& read = dynamic_cast<TTestComp&>(*component);
    EXPECT_EQ(std::make_pair(read.PData, read.Message), std::make_pair(c.data, c.message));
    EXPECT_TRUE(input.empty());
  }
}

TEST(ComponentStream, EveryByteSurvivesTheUtf8FormAndForeignCharactersBecomeQuestionMarks) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8To1252(Utf8From1252(all)), all);
  // U+4E2D is not in Windows-1252; a lone continuation byte and a cut sequence are not UTF-8;
  // an overlong "/" must not come through as "/".
  EXPECT_EQ(Utf8To1252("a\xE4\xB8\xAD" "b\x80" "c\xC3" "\xC0\xAF"), "a?b?c???");
}

TEST(ComponentStream, ReadsPropertyNamesInAnyCaseAndIgnoresTheComponentName) {
  std::string bytes = "TPF0\x09ttestcomp\x04Name\x05pcode\x02\xFE\x00\x00"s;
  std::string_view input = bytes;
  const auto comp = GetComponent(input);
  ASSERT_EQ(comp->ClassName(), "TTestComp");
  EXPECT_EQ(dynamic_cast<TTestComp&>(*comp).PCode, -2);
}

TEST(ComponentStream, RejectsMalformedStreamsWithTheirReason) {
  const std::string valid = Stream(*MakeTestRequest(-2, 7));
  // Cut anywhere, the stream is incomplete.
  for (std::size_t size = 0; size < valid.size(); ++size) {
    EXPECT_EQ(ReadError(valid.substr(0, size)), "Invalid stream format") << size;
  }
  const struct {
    std::string bytes;
    std::string error;
  } cases[] = {
      {"TPF1\x09TTestComp\x00\x00\x00"s, "Invalid stream format"},
      {"TPF0\x05TNope\x00\x00\x00"s, "Class TNope not found"},
      {"TPF0\x0BTExecutable\x00\x00\x00"s, "Class TExecutable not found"},
      {TestCompStream("\x04Size\x02\x01"s), "Property Size does not exist"},
      {TestCompStream("\x05PCode\x06\x01x"s), "Invalid property value"},
      {TestCompStream("\x07Message\x02\x01"s), "Invalid property value"},
      {TestCompStream("\x05PCode\x09"s), "Invalid property value"},
      {TestCompStream("\x07Message\x0C\xFF\xFF\xFF\xFF" "abc"s), "Invalid stream format"},
      {TestCompStream("\x07Message\x14\x10\x00\x00\x00" "abc"s), "Invalid stream format"},
      {"TPF0\x09TTestComp\x00\x00\x01"s, "Invalid stream format"},  // an owned component
  };
  for (const auto& c : cases) EXPECT_EQ(ReadError(c.bytes), c.error) << c.error;
}

}  // namespace
}  // namespace check_html
