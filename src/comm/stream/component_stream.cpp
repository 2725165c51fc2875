#include "comm/stream/component_stream.h"

#include "comm/stream/component_registry.h"
#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "platform/text_utf8.h"

namespace check_html {
namespace {

[[noreturn]] void Malformed() { throw EPipeError(kInvalidStream); }

uint8_t GetType(std::string_view& input) {
  uint8_t type = 0;
  if (!GetFixed8(input, type)) Malformed();
  return type;
}

std::string GetLongBytes(std::string_view& input) {
  uint32_t size = 0;
  std::string bytes;
  if (!GetFixed32(input, size) || !GetBytes(input, size, bytes)) Malformed();
  return bytes;
}

}  // namespace

void ComponentWriter::PutInteger(std::string_view name, int32_t value) {
  if (value == 0) return;
  PutShortString(dst_, name);
  const auto bits = static_cast<uint32_t>(value);
  if (value >= -128 && value <= 127) {
    PutFixed8(dst_, kValueInt8);
    PutFixed8(dst_, static_cast<uint8_t>(bits));
  } else if (value >= -32768 && value <= 32767) {
    PutFixed8(dst_, kValueInt16);
    PutFixed16(dst_, static_cast<uint16_t>(bits));
  } else {
    PutFixed8(dst_, kValueInt32);
    PutFixed32(dst_, bits);
  }
}

void ComponentWriter::PutString(std::string_view name, std::string_view text) {
  if (text.empty()) return;
  PutShortString(dst_, name);
  if (NeedsUtf8(text)) {
    const std::string utf8 = Utf8From1252(text);
    PutFixed8(dst_, kValueUtf8String);
    PutFixed32(dst_, static_cast<uint32_t>(utf8.size()));
    dst_ += utf8;
  } else if (text.size() <= 255) {
    PutFixed8(dst_, kValueString);
    PutShortString(dst_, text);
  } else {
    PutFixed8(dst_, kValueLongString);
    PutFixed32(dst_, static_cast<uint32_t>(text.size()));
    dst_ += text;
  }
}

int32_t ComponentReader::GetInteger() {
  const uint8_t type = GetType(input_);
  bool ok = false;
  int32_t value = 0;
  if (type == kValueInt8) {
    uint8_t v = 0;
    ok = GetFixed8(input_, v);
    value = static_cast<int8_t>(v);
  } else if (type == kValueInt16) {
    uint16_t v = 0;
    ok = GetFixed16(input_, v);
    value = static_cast<int16_t>(v);
  } else if (type == kValueInt32) {
    uint32_t v = 0;
    ok = GetFixed32(input_, v);
    value = static_cast<int32_t>(v);
  } else {
    throw EPipeError(kInvalidPropertyValue);
  }
  if (!ok) Malformed();
  return value;
}

std::string ComponentReader::GetString() {
  const uint8_t type = GetType(input_);
  if (type == kValueString) {
    std::string text;
    if (!GetShortString(input_, text)) Malformed();
    return text;
  }
  if (type == kValueLongString) return GetLongBytes(input_);
  if (type == kValueUtf8String) return Utf8To1252(GetLongBytes(input_));
  throw EPipeError(kInvalidPropertyValue);
}

void PutComponent(std::string& dst, const TComponent& component) {
  dst += kStreamSignature;
  PutShortString(dst, component.ClassName());
  PutShortString(dst, "");
  ComponentWriter writer(dst);
  component.WriteProperties(writer);
  PutFixed8(dst, 0);
  PutFixed8(dst, 0);
}

std::unique_ptr<TComponent> GetComponent(std::string_view& input, const ComponentClasses& classes) {
  std::string_view rest = input;
  std::string class_name;
  std::string name;
  if (rest.substr(0, kStreamSignature.size()) != kStreamSignature) Malformed();
  rest.remove_prefix(kStreamSignature.size());
  if (!GetShortString(rest, class_name) || !GetShortString(rest, name)) Malformed();
  std::unique_ptr<TComponent> component = classes.Create(class_name);
  if (component == nullptr) throw EPipeError(FormatText(kClassNotFound, class_name.c_str()));
  ComponentReader reader(rest);
  for (;;) {
    std::string property;
    if (!GetShortString(rest, property)) Malformed();
    if (property.empty()) break;  // the zero byte that ends the properties
    if (!component->ReadProperty(property, reader)) {
      throw EPipeError(FormatText(kUnknownProperty, property.c_str()));
    }
  }
  uint8_t end_of_children = 0;
  if (!GetFixed8(rest, end_of_children) || end_of_children != 0) Malformed();
  input = rest;
  return component;
}

}  // namespace check_html
