// The component stream: how a component travels inside a message.
//
//   "TPF0"                        signature
//   short string                  class name (a registered class)
//   short string                  component name: written empty, ignored when read
//   per stored property:
//     short string                property name
//     1 byte                      value type, then the value:
//                                   2  int8        3  int16        4  int32
//                                   6  short string
//                                  12  fixed32 length, then the bytes
//                                  20  fixed32 length, then the text's UTF-8 bytes
//   0                             end of the properties
//   0                             end of the (empty) list of owned components
//
// A short string is one length byte and the bytes; integers are little-endian. An integer takes
// the shortest signed form that holds it. A text takes form 20 when it holds any byte outside
// ASCII, else form 6 up to 255 bytes and form 12 beyond. A property at its default (0, or the
// empty text) is not written. Reading is bounds-checked throughout: a malformed stream, an
// unknown class or property raise EPipeError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "comm/stream/component_registry.h"
#include "comm/stream/components.h"

namespace check_html {

inline constexpr std::string_view kStreamSignature = "TPF0";

enum ValueType : uint8_t {
  kValueInt8 = 2,
  kValueInt16 = 3,
  kValueInt32 = 4,
  kValueString = 6,
  kValueLongString = 12,
  kValueUtf8String = 20,
};

class ComponentWriter {
 public:
  explicit ComponentWriter(std::string& dst) : dst_(dst) {}
  void PutInteger(std::string_view name, int32_t value);
  void PutString(std::string_view name, std::string_view text);

 private:
  std::string& dst_;
};

class ComponentReader {
 public:
  explicit ComponentReader(std::string_view& input) : input_(input) {}
  // The value of the current property; EPipeError when it is not of an integer or text form.
  int32_t GetInteger();
  std::string GetString();

 private:
  std::string_view& input_;
};

void PutComponent(std::string& dst, const TComponent& component);

// Creates the component that starts `input`, of one of `classes`, and moves `input` past it.
std::unique_ptr<TComponent> GetComponent(
    std::string_view& input, const ComponentClasses& classes = StandardComponentClasses());

}  // namespace check_html
