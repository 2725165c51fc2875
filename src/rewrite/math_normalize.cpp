// MathML mode: a math element stays MathML but is normalised on its way into the backup file.
// Bare text inside layout elements becomes token elements, spaces become self-closing, operator,
// number and identifier wrappers around sub-expressions are dropped (their end tags with them),
// and end tags that do not match the open element are logged and dropped, after which the next
// tags are traced in the log. Open elements are kept on a growing stack; nothing recurses.
#include "rewrite/math_fixups.h"

#include <string>
#include <string_view>
#include <vector>

#include "html/attributes.h"
#include "html/text_scan.h"
#include "platform/case_map.h"
#include "rewrite/math_text.h"
#include "rewrite/page_rewrite.h"

namespace check_html {
namespace {

constexpr size_t kEntryWidth = 255;  // stack entries are string[255]
constexpr int kTracedTags = 10;      // the trace ends once its counter exceeds this

class MathNormalizer {
 public:
  explicit MathNormalizer(PageRewrite& page) : page_(page) {}

  void Run(const std::string& text, const std::string& tag);

 private:
  // The next text and tag, comments skipped; false at the page end, `text` then holding the rest.
  bool ReadPair(std::string& text, std::string& tag);
  void HandlePair(std::string text, std::string tag);
  void StartTag(const std::string& text, const std::string& tag);
  void EndTag(const std::string& text, std::string_view name);
  void Push(const std::string& tag);
  void Trace(const std::string& text, const std::string& tag);
  void Append(std::string_view text) { page_.writer.AppendRaw(text); }
  void Log(const std::string& line) { page_.run.LogLine(line); }

  PageRewrite& page_;
  std::vector<std::string> stack_;  // entry 0 stands below the math element and stays empty
  size_t depth_ = 0;
  int dropped_operators_ = 0;
  int bold_identifiers_ = 0;
  bool tracing_ = false;
  int trace_count_ = 0;
  bool math_closed_ = false;
  bool page_ended_ = false;
};

void MathNormalizer::Run(const std::string& text, const std::string& tag) {
  page_.writer.WriteOwnLine(text + "<" + tag + ">");
  stack_.assign({std::string(), "math"});
  depth_ = 1;
  std::string x;
  std::string g;
  while (!math_closed_ && !page_ended_) {
    if (ReadPair(x, g)) {
      HandlePair(std::move(x), std::move(g));
    } else {
      Append(x);
    }
  }
  if (math_closed_ && depth_ != 0) Log("!!!mismatch!!!");
}

bool MathNormalizer::ReadPair(std::string& text, std::string& tag) {
  text.clear();
  if (!page_.reader.AtPageEnd() && page_.reader.ReadTagSkipComments(text, tag)) return true;
  page_ended_ = true;
  return false;
}

// A wrapper ("mo ", "mi ", "mn " with attributes) whose next tag is not its own end tag is
// dropped and that next pair handled in its place.
void MathNormalizer::HandlePair(std::string text, std::string tag) {
  for (;;) {
    Trace(text, tag);
    if (!tag.empty() && tag[0] == '/') {
      EndTag(text, std::string_view(tag).substr(1));
      return;
    }
    const bool is_mo = StartsWithNoCase(tag, "mo ");
    const bool is_mi = StartsWithNoCase(tag, "mi ");
    if (!is_mo && !is_mi && !StartsWithNoCase(tag, "mn ")) {
      StartTag(text, tag);
      return;
    }
    std::string text2;
    std::string tag2;
    if (!ReadPair(text2, tag2)) {
      Append(text + "<" + tag + ">" + text2);
      return;
    }
    const std::string end_tag = "/" + tag.substr(0, 2);
    if (StartsWithNoCase(tag2, end_tag)) {
      Append(text + "<" + tag + ">");
      if (is_mo && GetAttribute("class", tag) == "MathClass-ret") TrimInPlace(text2);
      Append(text2 + "<" + tag2 + ">");
      return;
    }
    if (is_mi && EqualNoCase(GetAttribute("mathvariant", tag), "bold")) {
      ++bold_identifiers_;
    } else {
      ++dropped_operators_;
    }
    Append(text);
    text = std::move(text2);
    tag = std::move(tag2);
  }
}

void MathNormalizer::StartTag(const std::string& text, const std::string& tag) {
  if (StartsWithNoCase(tag, "mspace")) {
    std::string out = text + "<mspace";
    AttributeWalker walker;
    std::string name;
    std::string value;
    for (bool more = walker.FirstAttribute(tag, name, value); more;
         more = walker.NextAttribute(tag, name, value)) {
      out += " " + name + "=\"" + value + "\"";
    }
    Append(out + "/>");
    return;
  }
  if (StartsWithNoCase(tag, "mrow") || StartsWithNoCase(tag, "msub") ||
      StartsWithNoCase(tag, "msup") || StartsWithNoCase(tag, "mover")) {
    if (!text.empty()) Append(TokenizeMathText(text, bold_identifiers_ > 0));
  } else {
    Append(text);
  }
  Append("<" + tag + ">");
  Push(tag);
}

void MathNormalizer::Push(const std::string& tag) {
  ++depth_;
  if (stack_.size() <= depth_) stack_.resize(depth_ + 1);
  stack_[depth_] = LowerCase(std::string_view(tag).substr(0, kEntryWidth));
}

void MathNormalizer::EndTag(const std::string& text, std::string_view name) {
  const std::string& open = stack_[depth_];
  if (depth_ < 1) {
    Log("!!!No brack closed!!!</" + std::string(name) + ">");
  } else {
    --depth_;
  }
  if (EqualNoCase(name, "math")) math_closed_ = true;
  if (!StartsWithNoCase(open, name)) {
    ++depth_;
    if (EqualNoCase(name, "mo") && dropped_operators_ > 0) {
      --dropped_operators_;
    } else if (EqualNoCase(name, "mi") && bold_identifiers_ > 0) {
      --bold_identifiers_;
    } else {
      Log("!!!" + open + " </" + std::string(name) + ">");
      tracing_ = true;
    }
    // The end tag is dropped; its text is kept, and the math element is closed all the same, so
    // the rest of the page never ends up inside it.
    Append(text);
    if (math_closed_) Append("</" + std::string(name) + ">");
    return;
  }
  if (EqualNoCase(name, "mrow") || EqualNoCase(name, "msub") || EqualNoCase(name, "msup") ||
      EqualNoCase(name, "mover")) {
    if (!text.empty()) Append(TokenizeMathText(text, bold_identifiers_ > 0));
  } else {
    Append(text);
  }
  Append("</" + std::string(name) + ">");
}

void MathNormalizer::Trace(const std::string& text, const std::string& tag) {
  if (!tracing_) return;
  if (++trace_count_ > kTracedTags) tracing_ = false;
  Log(text + "<" + tag + ">");
}

}  // namespace

void NormalizeMathML(PageRewrite& page, const std::string& text, const std::string& tag) {
  MathNormalizer(page).Run(text, tag);
}

}  // namespace check_html
