// Attributes of a tag text (the text between "<" and ">"). The tag name is not skipped, so a
// name that stands inside a longer word (SRC inside DATA-SRC) is found there as well. Only values
// in double quotes are recognised; names are compared case-insensitively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace check_html {

// The value of attribute `name` in `tag`: the first occurrence of `name` followed (over spaces)
// by "=", then the text between the next two double quotes. Empty when there is none.
std::string GetAttribute(std::string_view name, std::string_view tag);

// Changes the quoted value of the first occurrence of `name`; an empty value removes the
// attribute (from its name through its closing quote; the blank before it stays). A name that is
// not found, or not followed by "=" and a pair of double quotes, is appended as
// ` name="value"` with the name in lower case.
void SetAttribute(std::string_view name, std::string_view value, std::string& tag);

// The value of attribute `name` as a browser reads the tag text: names are whole words compared
// ignoring case (so "id" is never found inside "valid"), a value stands in double or single
// quotes or, unquoted, runs to the next blank or tab; an attribute without "=" has an empty
// value. The first attribute of that name counts; nothing when the tag has none.
std::optional<std::string_view> ReadHtmlAttribute(std::string_view tag, std::string_view name);

// Walks the name="value" pairs of one tag text from left to right. AttrPos is 1-based in the
// tag text, AttrLen its length; only one tag text is walked at a time.
struct AttributeWalker {
  size_t AttrPos = 0;
  size_t AttrLen = 0;

  // Steps over the tag name to the first space; false when there is none.
  bool FirstAttribute(std::string_view tag, std::string& name, std::string& value);
  // The name runs (trimmed) up to the next "=", the value lies between the next two double
  // quotes. False when no "=" or no opening quote stands before the last byte of the tag text.
  // A missing closing quote ends the value before the last byte of the tag text.
  bool NextAttribute(std::string_view tag, std::string& name, std::string& value);
};

}  // namespace check_html
