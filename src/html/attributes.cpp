#include "html/attributes.h"

#include "html/text_scan.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

}  // namespace

std::optional<std::string_view> ReadHtmlAttribute(std::string_view tag, std::string_view name) {
  size_t at = 0;
  while (at < tag.size() && !IsSpace(tag[at]) && tag[at] != '/') ++at;  // the tag name
  while (at < tag.size()) {
    while (at < tag.size() && (IsSpace(tag[at]) || tag[at] == '/')) ++at;
    const size_t name_start = at;
    while (at < tag.size() && !IsSpace(tag[at]) && tag[at] != '=' && tag[at] != '/') ++at;
    const std::string_view found = tag.substr(name_start, at - name_start);
    while (at < tag.size() && IsSpace(tag[at])) ++at;
    std::string_view value;
    if (at < tag.size() && tag[at] == '=') {
      ++at;
      while (at < tag.size() && IsSpace(tag[at])) ++at;
      if (at < tag.size() && (tag[at] == '"' || tag[at] == '\'')) {
        const size_t close = tag.find(tag[at], at + 1);
        const size_t end = close == kNone ? tag.size() : close;
        value = tag.substr(at + 1, end - at - 1);
        at = close == kNone ? tag.size() : close + 1;
      } else {
        const size_t start = at;
        while (at < tag.size() && !IsSpace(tag[at])) ++at;
        value = tag.substr(start, at - start);
      }
    }
    if (!found.empty() && EqualNoCase(found, name)) return value;
    if (found.empty() && at < tag.size()) ++at;  // a stray "=" or quote
  }
  return std::nullopt;
}

std::string GetAttribute(std::string_view name, std::string_view tag) {
  size_t found = FindNoCase(tag, name);
  while (found != kNone) {
    size_t at = found + name.size();
    while (at < tag.size() && tag[at] == ' ') ++at;
    if (at < tag.size() && tag[at] == '=') {
      const size_t open = tag.find('"', at + 1);
      if (open == kNone) return {};
      const size_t close = tag.find('"', open + 1);
      if (close == kNone) return {};
      return std::string(tag.substr(open + 1, close - open - 1));
    }
    found = FindNoCase(tag, name, at);
  }
  return {};
}

void SetAttribute(std::string_view name, std::string_view value, std::string& tag) {
  const std::string lower_name = LowerCase(name);
  const size_t found = FindNoCase(tag, lower_name);
  size_t open = kNone;
  size_t close = kNone;
  if (found != kNone) {
    const size_t equals = tag.find('=', found + lower_name.size());
    if (equals != kNone) open = tag.find('"', equals + 1);
    if (open != kNone) close = tag.find('"', open + 1);
  }
  if (close == kNone) {
    tag += ' ';
    tag += lower_name;
    tag += "=\"";
    tag += value;
    tag += '"';
  } else if (value.empty()) {
    tag.erase(found, close + 1 - found);
  } else {
    tag.replace(open + 1, close - open - 1, value);
  }
}

bool AttributeWalker::FirstAttribute(std::string_view tag, std::string& name,
                                     std::string& value) {
  AttrLen = tag.size();
  AttrPos = 1;
  while (AttrPos < AttrLen && tag[AttrPos - 1] != ' ') ++AttrPos;
  if (AttrPos >= AttrLen) return false;
  return NextAttribute(tag, name, value);
}

bool AttributeWalker::NextAttribute(std::string_view tag, std::string& name,
                                    std::string& value) {
  name.clear();
  value.clear();
  if (AttrLen > tag.size()) AttrLen = tag.size();  // a caller that changed the tag meanwhile
  const size_t last = AttrLen;  // 1-based position of the last byte
  while (AttrPos < last && tag[AttrPos - 1] == ' ') ++AttrPos;
  size_t equals = AttrPos;
  while (equals < last && tag[equals - 1] != '=') ++equals;
  if (equals >= last) return false;
  size_t open = equals + 1;
  while (open < last && tag[open - 1] != '"') ++open;
  if (open >= last) return false;
  name = TrimView(tag.substr(AttrPos - 1, equals - AttrPos));
  size_t close = open + 1;
  while (close < last && tag[close - 1] != '"') ++close;
  if (close <= last && tag[close - 1] == '"') {
    value = tag.substr(open, close - open - 1);
    AttrPos = close + 1;
  } else {
    value = tag.substr(open, last - open - 1);  // no closing quote: up to the last byte
    AttrPos = last + 1;
  }
  return true;
}

}  // namespace check_html
