#include "rewrite/main_pass_dispatch.h"

#include <string>
#include <string_view>

#include "html/attributes.h"
#include "platform/case_map.h"
#include "rewrite/anchor_handler.h"
#include "rewrite/head_handlers.h"
#include "rewrite/image_handler.h"
#include "rewrite/navigation_bars.h"
#include "rewrite/page_rewrite.h"
#include "rewrite/table_handler.h"

namespace check_html {
namespace {

// The house rule that old bars begin with; in a chapter's sub-folder the page ends there.
constexpr std::string_view kHouseRule = "HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\"";
constexpr std::string_view kCharsetLine =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">";
constexpr std::string_view kTexScriptLine =
    "<SCRIPT ID=\"zq_x_1\" SRC=\"../../styles/zq_cs.js\"></SCRIPT>";
constexpr std::string_view kPageScriptLine =
    "<SCRIPT ID=\"zq_x_1\" LANGUAGE=\"JavaScript\" SRC=\"../../styles/zq_check_pagestyle.js\">"
    "</SCRIPT>";
constexpr std::string_view kEnglishDoctype = "<!DOCTYPE HTML><HTML lang=\"en\">";
constexpr std::string_view kGermanDoctype = "<!DOCTYPE HTML><HTML lang=\"de\">";

std::string Bracketed(const std::string& tag) { return "<" + tag + ">"; }

void Anchor(PageRewrite& page) { HandleAnchor(page, page.text, page.tag); }

// The rows whose tag has a handler of its own: the text in front of the tag, then the handler.
template <void (*Handle)(PageRewrite&, const std::string&)>
void TextThen(PageRewrite& page) {
  page.writer.WriteText(page.text);
  Handle(page, page.tag);
}

void Div(PageRewrite& page) {
  page.writer.WriteText(page.text);
  if (StartsWithNoCase(page.tag, "div class=\"crosslinks\"")) {
    ReadCrosslinks(page);  // the old bar is dropped; its links feed the new one
    page.HasCrosslinks = true;
  } else if (StartsWithNoCase(page.tag, "div id=\"pos1")) {
    page.writer.WriteText("<div id=\"pos1\">");
    SectionMark(page);
  } else {
    page.writer.WriteOwnLine(Bracketed(page.tag));
  }
}

void HouseRule(PageRewrite& page) {
  page.writer.WriteText(page.text);
  if (page.InSubFolder) {
    page.Reading = false;  // the old bar and everything after it give way to the new bar
    page.BodyEnded = true;
  } else {
    page.writer.WriteOwnLine("<" + std::string(kHouseRule) + ">");
  }
}

void Meta(PageRewrite& page) {
  page.writer.WriteText(page.text);
  if (StartsWithNoCase(page.tag, "meta name") || StartsWithNoCase(page.tag, "meta http-equiv")) {
    return;  // the head gets its own charset line behind the title
  }
  page.writer.WriteText(Bracketed(page.tag));
}

void MathText(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteText(Bracketed(page.tag));
  if (!GetAttribute("xlink:href", page.tag).empty()) page.run.RefList.push_back(page.PdfBase);
}

void NoFrames(PageRewrite& page) {
  page.InNoFrames = true;
  page.writer.WriteText(page.text);
  page.writer.WriteText(Bracketed(page.tag));
}

void Html(PageRewrite& page) {
  page.writer.WriteText(page.run.Opts.Set_to_English ? kEnglishDoctype : kGermanDoctype);
}

void Math(PageRewrite& page) { page.writer.WriteLine(page.text + Bracketed(page.tag)); }

void Doctype(PageRewrite& /*page*/) {}

void EndNoFrames(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteText(Bracketed(page.tag));
  page.InNoFrames = false;
}

// The end of the body ends the pass; the page end is written by EndOfPage. Inside noframes the
// tag belongs to the alternative content and stays.
void EndBody(PageRewrite& page) {
  page.writer.WriteText(page.text);
  if (page.InNoFrames) {
    page.writer.WriteOwnLine(Bracketed(page.tag));
  } else {
    page.BodyEnded = true;
    page.Reading = false;
  }
}

void EndHtml(PageRewrite& page) {
  page.writer.WriteOwnLine(page.text);
  page.Reading = false;
}

void EndMath(PageRewrite& page) { page.writer.WriteRaw(page.text + Bracketed(page.tag)); }

void EndHead(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteOwnLine(page.run.Opts.tex_html ? kTexScriptLine : kPageScriptLine);
  page.writer.WriteText(Bracketed(page.tag));
}

void EndTitle(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteText(Bracketed(page.tag));
  page.writer.WriteText(kCharsetLine);
}

void AnyOther(PageRewrite& page) {
  StripIndexCommands(page.run.Opts, page.text);
  page.writer.WriteText(page.text + Bracketed(page.tag));
}

struct Row {
  std::string_view prefix;
  void (*handle)(PageRewrite&);
};

// The first row whose prefix the tag begins with wins; the order decides ("frame" also takes
// frameset tags, "!--" comes before "!DOCTYPE HTML").
constexpr Row kMainPass[] = {
    {"a ", Anchor},         {"body", TextThen<HandleBody>},
    {"!--", WriteComment},  {"pre", WritePre},
    {"div ", Div},          {"frame", TextThen<HandleFrame>},
    {"img ", TextThen<HandleImage>}, {kHouseRule, HouseRule},
    {"meta ", Meta},        {"mtext", MathText},
    {"noframes", NoFrames}, {"link ", TextThen<HandleStylesheet>},
    {"script", TextThen<HandleScript>}, {"table", TextThen<HandleTable>},
    {"html", Html},         {"math", Math},
    {"!DOCTYPE HTML", Doctype}, {"/noframes", EndNoFrames},
    {"/body", EndBody},     {"/html", EndHtml},
    {"/math", EndMath},     {"/head", EndHead},
    {"/title", EndTitle},
};

void Dispatch(PageRewrite& page) {
  for (const Row& row : kMainPass) {
    if (StartsWithNoCase(page.tag, row.prefix)) {
      row.handle(page);
      return;
    }
  }
  AnyOther(page);
}

}  // namespace

void WriteComment(PageRewrite& page) {
  std::string comment = page.text + Bracketed(page.tag);
  page.reader.TakeComment(comment);
  page.writer.WriteText(comment);
}

void WritePre(PageRewrite& page) {
  page.writer.WriteText(page.text);
  page.writer.WriteLine(Bracketed(page.tag));
  if (!EqualNoCase(GetAttribute("class", page.tag), "verbatim")) return;
  // A call that reads no tag at the page end brings only its text.
  if (page.reader.ReadTagRaw(page.text, page.tag)) {
    page.writer.WriteLine(page.text + Bracketed(page.tag));
  } else {
    page.writer.WriteLine(page.text);
  }
}

void RunMainPass(PageRewrite& page) {
  while (!page.reader.AtPageEnd() && page.Reading) {
    if (!page.reader.ReadTag(page.text, page.tag)) {
      // The page ended inside a text run: only that text is left, the last tag was handled.
      StripIndexCommands(page.run.Opts, page.text);
      page.writer.WriteText(page.text);
      return;
    }
    Dispatch(page);
  }
}

}  // namespace check_html
