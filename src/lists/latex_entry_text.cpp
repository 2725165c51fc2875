#include "lists/latex_entry_text.h"

#include <algorithm>

#include "html/text_scan.h"

namespace check_html {
namespace {

constexpr std::size_t kTextCapacity = 255;
constexpr std::size_t kReplacedCapacity = 254;

struct LatexForm {
  std::string_view notation;
  std::string_view entity;
};

constexpr LatexForm kLatexForms[] = {
    {"\\\"{O}", "&Ouml;"}, {"\\\"{A}", "&Auml;"}, {"\\\"{U}", "&Uuml;"}, {"\\\"{o}", "&ouml;"},
    {"\\\"{a}", "&auml;"}, {"\\\"{u}", "&uuml;"}, {"\\ss{}", "&szlig;"}, {"\\\"O", "&Ouml;"},
    {"\\\"A", "&Auml;"},   {"\\\"U", "&Uuml;"},   {"\\\"o", "&ouml;"},   {"\\\"a", "&auml;"},
    {"\\\"u", "&uuml;"},   {"\\ss", "&szlig;"},   {"\\/", " "},
};

bool IsAccentQuote(std::string_view text, std::size_t i) {
  return text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"';
}


}  // namespace

std::size_t FindUnquoted(std::string_view text, char wanted, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (IsAccentQuote(text, i) || text[i] == '"') {
      ++i;
    } else if (text[i] == wanted) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::string Unquoted(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsAccentQuote(text, i)) {
      result += text[i++];
    } else if (text[i] == '"' && i + 1 < text.size()) {
      ++i;
    }
    result += text[i];
  }
  return result;
}

namespace {

// The text up to its first unquoted "|", its levels each cut at their first unquoted "@" to the
// part after it (`shown`) or before it.
std::string EntryTextPart(std::string_view text, bool shown) {
  text = text.substr(0, FindUnquoted(text, '|'));
  std::string result;
  for (std::size_t start = 0;;) {
    const std::size_t end = FindUnquoted(text, '!', start);
    std::string_view level = text.substr(start, end - start);
    const std::size_t at = FindUnquoted(level, '@');
    if (at != std::string_view::npos) level = shown ? level.substr(at + 1) : level.substr(0, at);
    result += level;
    if (end == std::string_view::npos) return result;
    result += '!';
    start = end + 1;
  }
}

}  // namespace

std::string ShownEntryText(std::string_view text) { return EntryTextPart(text, true); }

std::string SortEntryText(std::string_view text) { return EntryTextPart(text, false); }

std::string LatexToEntity(std::string_view text) {
  std::string result(text.substr(0, kTextCapacity));
  for (const LatexForm& form : kLatexForms) {
    if (ReplaceAll(result, form.notation, form.entity)) {
      result.resize(std::min(result.size(), kReplacedCapacity));
    }
  }
  return result;
}

}  // namespace check_html
