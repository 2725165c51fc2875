// The anchor handler writes every A start tag in one attribute order: ID, NAME, CLASS, TITLE,
// STYLE, HREF, then the other attributes as read. Every anchor leaves with a NAME unless a dated
// name was retired; generated names ("_dum_" + number) are counted per page in the same order
// as the crawl counts them, so the anchors the crawl recorded name real places in the page.
#include "rewrite/anchor_handler.h"

#include <string_view>

#include "html/attributes.h"
#include "html/text_scan.h"
#include "platform/case_map.h"
#include "rewrite/dated_anchor.h"
#include "rewrite/equation_table.h"
#include "rewrite/page_rewrite.h"
#include "site/link_functions.h"

namespace check_html {
namespace {

constexpr size_t kFieldCapacity = 255;
constexpr std::string_view kGeneratedName = "_dum_";
constexpr std::string_view kMarkedStyle = "FONT-WEIGHT:BOLD; FONT-STYLE:ITALIC";
constexpr std::string_view kTranslationTitle = "german translation: ";
constexpr std::string_view kDatedClass = "Bli1";

struct AnchorFields {
  std::string Id, Name, Class, Title, Style, Href;
  std::string Others;  // " name=\"value\"" for every other attribute, in input order
};

// The known attributes are held in 255-character fields.
std::string Field(std::string_view value) { return std::string(value.substr(0, kFieldCapacity)); }

AnchorFields ReadAnchorFields(RunContext& run, const std::string& tag) {
  AnchorFields a;
  AttributeWalker walker;
  std::string name, value;
  for (bool more = walker.FirstAttribute(tag, name, value); more;
       more = walker.NextAttribute(tag, name, value)) {
    if (StartsWithNoCase(name, "href")) {
      const std::string_view link = TrimView(value);  // browsers ignore the blanks around it
      a.Href = Field(link);
      run.RefList.emplace_back(link);
    } else if (StartsWithNoCase(name, "name")) {
      a.Name = Field(value);
    } else if (StartsWithNoCase(name, "class")) {
      a.Class = Field(value);
    } else if (StartsWithNoCase(name, "style")) {
      a.Style = Field(value);
    } else if (StartsWithNoCase(name, "title")) {
      a.Title = Field(value);
    } else if (EqualNoCase(name, "id")) {
      a.Id = Field(value);
    } else {
      a.Others += " " + name + "=\"" + value + "\"";
    }
  }
  return a;
}

void WriteAttribute(PageWriter& out, std::string_view name, std::string_view value) {
  std::string piece = " ";
  piece += name;
  piece += "=\"";
  piece += value;
  piece += '"';
  out.WriteText(piece);
}

// Settles NAME, TITLE and STYLE and writes NAME. Returns true when a dated name was retired.
bool WriteName(PageRewrite& page, AnchorFields& a) {
  bool retired = false;
  if (a.Name.empty() || a.Name.starts_with(kGeneratedName)) {
    a.Name = std::string(kGeneratedName) + std::to_string(++page.run.AnchorCounter);
  } else if (IsDatedValue(page.run.Opts, a.Name)) {
    retired = RetireDatedValue(page.run.Opts, a.Name);
  } else if (a.Name[0] == '\xA7') {
    a.Title = Field(std::string(kTranslationTitle) + a.Name.substr(1));
    a.Style = kMarkedStyle;
  } else if (a.Name[0] == '?') {
    a.Title = a.Name.substr(1);
    a.Style = kMarkedStyle;
  }
  if (!a.Name.empty()) WriteAttribute(page.writer, "NAME", a.Name);
  return retired;
}

// The equation case of converter pages: an anchor with an equation-number id and no name, behind
// the TeX of an equation environment, becomes the middle cell of the equation table.
bool HandleEquationAnchor(PageRewrite& page, const std::string& text, const AnchorFields& a) {
  if (!page.run.Opts.xxx_mathjax || a.Id.empty() || a.Id[0] != 'x') return false;
  if (!ReadConverterId(page.run, a.Id) || !a.Name.empty()) return false;
  const size_t begin = FindEquationStart(text);
  if (begin == std::string::npos) return false;
  // The crawl gave this anchor a generated name; it uses its number up so that the anchors
  // behind it keep the numbers the crawl recorded.
  ++page.run.AnchorCounter;
  WriteEquationTable(page, std::string_view(text).substr(0, begin), text.substr(begin), a.Id);
  return true;
}

}  // namespace

void HandleAnchor(PageRewrite& page, const std::string& text, const std::string& tag) {
  AnchorFields a = ReadAnchorFields(page.run, tag);
  if (HandleEquationAnchor(page, text, a)) return;

  PageWriter& out = page.writer;
  out.WriteText(text);
  out.WriteText(a.Id.empty() ? "<a" : "<a ID=\"" + a.Id + "\"");
  const bool retired = WriteName(page, a);
  if (!a.Class.empty() && !(retired && a.Class == kDatedClass)) {
    WriteAttribute(out, "CLASS", a.Class);
  }
  if (!a.Title.empty()) WriteAttribute(out, "TITLE", a.Title);
  if (!a.Style.empty()) WriteAttribute(out, "STYLE", a.Style);
  if (IsDatedValue(page.run.Opts, a.Href)) RetireDatedValue(page.run.Opts, a.Href);
  if (!a.Href.empty()) WriteAttribute(out, "HREF", NormalizeLink(a.Href));
  if (!a.Others.empty()) out.WriteText(a.Others);
  out.WriteText(">");
}

}  // namespace check_html
