#include "maint/table_nested.h"

#include <optional>
#include <string_view>

#include "html/attributes.h"
#include "html/page_reader.h"
#include "html/text_scan.h"
#include "platform/case_map.h"

namespace check_html {
namespace {


bool IsPlainInteger(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The text behind a width class prefix ("wi__" or "w__"); none for another class.
std::optional<std::string_view> WidthClassRest(std::string_view class_value) {
  for (std::string_view prefix : {"wi__", "w__"}) {
    if (StartsWithNoCase(class_value, prefix)) return class_value.substr(prefix.size());
  }
  return std::nullopt;
}

}  // namespace

void ReplaceOldEntities(std::string& text) {
  ReplaceAll(text, "&#180;", "'");
  ReplaceAll(text, "&#150;", "&ndash;");
}

void HashBgcolor(std::string& tag) {
  const std::string color = GetAttribute("BGCOLOR", tag);
  if (!color.empty() && color[0] != '#') SetAttribute("BGCOLOR", "#" + color, tag);
}

std::string NestedTableTag(int level, const std::string& tag) {
  std::string result = "<table";
  std::string class_value, width_value, name, value;
  AttributeWalker walker;
  for (bool more = walker.FirstAttribute(tag, name, value); more;
       more = walker.NextAttribute(tag, name, value)) {
    if (StartsWithNoCase(name, "class")) {
      class_value = value;
    } else if (StartsWithNoCase(name, "width")) {
      width_value = value;
    } else {
      if ((StartsWithNoCase(name, "bgcolor") || StartsWithNoCase(name, "bordercolor")) &&
          (value.empty() || value[0] != '#')) {
        value.insert(0, "#");
      }
      result += " " + name + "=\"" + value + "\"";
    }
  }
  const std::optional<std::string_view> rest = WidthClassRest(class_value);
  if (level == 2 && rest) {
    if (!IsPlainInteger(*rest) && width_value.empty()) width_value = *rest;
  } else {
    class_value = "W__" + width_value;
  }
  if (!class_value.empty()) result += " CLASS=\"" + class_value + "\"";
  if (!width_value.empty()) result += " WIDTH=\"" + width_value + "\"";
  return result + ">";
}

void CopyNestedTable(PageReader& reader, int level, const std::string& tag, std::string& out) {
  out += NestedTableTag(level, tag);
  std::string text, inner;
  for (int depth = level; depth >= level && !reader.AtPageEnd();) {
    const bool has_tag = reader.ReadTag(text, inner);
    ReplaceOldEntities(text);
    out += text;
    if (!has_tag) return;
    if (StartsWithNoCase(inner, "table")) {
      out += NestedTableTag(++depth, inner);
    } else if (StartsWithNoCase(inner, "HRCOLOR=\"#000000\"")) {
      out += "<HR COLOR=\"#000000\">";
    } else {
      if (StartsWithNoCase(inner, "/table")) --depth;
      if (StartsWithNoCase(inner, "td") || StartsWithNoCase(inner, "th")) HashBgcolor(inner);
      out += "<" + inner + ">";
      if (StartsWithNoCase(inner, "sub")) {
        reader.TakeSub(out);
      } else if (StartsWithNoCase(inner, "sup")) {
        reader.TakeSup(out);
      }
    }
  }
}

}  // namespace check_html
