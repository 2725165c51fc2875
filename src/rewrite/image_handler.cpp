// The image handler. Known attributes are sorted out of the tag and written in a fixed order;
// any other attribute is written at once, so those keep their input order right after "<IMG".
#include "rewrite/image_handler.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "html/attributes.h"
#include "platform/case_map.h"
#include "rewrite/image_parts.h"
#include "rewrite/page_rewrite.h"
#include "site/link_functions.h"

namespace check_html {
namespace {

// An attribute whose name begins with `prefix` (case-insensitive) is kept in `field`; the
// first matching row wins, a later attribute of the same kind replaces an earlier one.
struct KnownAttribute {
  std::string_view prefix;
  std::string ImageAttributes::*field;
};

constexpr KnownAttribute kKnownAttributes[] = {
    {"align", &ImageAttributes::ALIGN},   {"valign", &ImageAttributes::VALIGN},
    {"alt", &ImageAttributes::ALT},       {"src", &ImageAttributes::SRC},
    {"title", &ImageAttributes::TITLE},   {"onclick", &ImageAttributes::ONCLICK},
    {"onload", &ImageAttributes::ONLOAD}, {"width", &ImageAttributes::WIDTH},
    {"height", &ImageAttributes::HEIGHT}, {"border", &ImageAttributes::BORDER},
};

std::string* KnownField(ImageAttributes& image, const std::string& name) {
  for (const KnownAttribute& known : kKnownAttributes) {
    if (StartsWithNoCase(name, known.prefix)) return &(image.*known.field);
  }
  return nullptr;
}

ImageAttributes SortAttributes(const std::string& tag, PageWriter& out) {
  ImageAttributes image;
  AttributeWalker walker;
  std::string name;
  std::string value;
  for (bool found = walker.FirstAttribute(tag, name, value); found;
       found = walker.NextAttribute(tag, name, value)) {
    if (std::string* field = KnownField(image, name)) {
      *field = value.substr(0, kImageValueCapacity);
    } else {
      out.WriteText(" " + name + "=\"" + value + "\"");
    }
  }
  return image;
}

void WriteAttribute(PageWriter& out, std::string_view name, const std::string& value) {
  if (!value.empty()) out.WriteText(" " + std::string(name) + "=\"" + value + "\"");
}

// Scripts of older pages called the enlarge and screen-size functions through the frame.
void UpdateOldScripts(ImageAttributes& image) {
  if (image.ONCLICK.find("javascript: top.cs") != std::string::npos) {
    image.ONCLICK = "javascript: cs(this)";
  }
  const size_t old_test = image.ONLOAD.find("if (top.forscreen)");
  if (old_test != std::string::npos) {
    image.ONLOAD.replace(old_test, std::string_view("if (top").size(), "if (document");
    image.ONLOAD.resize(std::min(image.ONLOAD.size(), kImageValueCapacity));
  }
}

// With the GIF-to-PNG conversion on, pictures are named by their PNG versions; animated GIFs
// (marked "a_n_i_m_" in their names) are not converted and keep theirs.
void SwitchToPng(std::string& src) {
  if (src.size() >= 4 && EqualNoCase(std::string_view(src).substr(src.size() - 4), ".gif") &&
      src.find("a_n_i_m_") == std::string::npos) {
    src.replace(src.size() - 4, 4, ".png");
  }
}

}  // namespace

void HandleImage(PageRewrite& page, const std::string& tag) {
  const Options& options = page.run.Opts;
  const bool converter_page = options.tex_html;
  PageWriter& out = page.writer;
  out.WriteText("<IMG");
  ImageAttributes image = SortAttributes(tag, out);
  if (const std::optional<std::string> icon = IconAttributes(image.SRC, page.run.PngButtons)) {
    out.WriteText(*icon);
    out.WriteText(">");
    return;
  }
  WriteAttribute(out, "ALIGN", image.ALIGN);
  WriteAttribute(out, "VALIGN", image.VALIGN);
  if (options.ChlargeImageItem || converter_page) ApplySizeStep(image, !converter_page);
  WriteAttribute(out, "WIDTH", image.WIDTH);
  WriteAttribute(out, "HEIGHT", image.HEIGHT);
  UpdateOldScripts(image);
  WriteAttribute(out, "ONCLICK", image.ONCLICK);
  WriteAttribute(out, "ONLOAD", image.ONLOAD);
  WriteAttribute(out, "BORDER", image.BORDER);
  if (options.GiF2PNGItem) SwitchToPng(image.SRC);
  WriteAttribute(out, "SRC", NormalizeLink(image.SRC));
  if (!image.ALT.starts_with("{short")) WriteAttribute(out, "ALT", image.ALT);
  WriteAttribute(out, "TITLE", image.TITLE);
  out.WriteText(">");
}

}  // namespace check_html
