#include "lists/latex_entry_text.h"

#include <utility>

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

// One pass over `text`: every occurrence of `find` replaced, inserted text never searched again;
// the result is held in 255 characters while it grows and cut to 254 when anything was replaced.
void ReplaceAll(std::string& text, std::string_view find, std::string_view replacement) {
  std::size_t at = text.find(find);
  if (at == std::string::npos) return;
  std::string result;
  std::size_t from = 0;
  for (; at != std::string::npos && result.size() < kTextCapacity; at = text.find(find, from)) {
    result.append(text, from, at - from) += replacement;
    from = at + find.size();
  }
  if (result.size() < kTextCapacity) result.append(text, from);
  if (result.size() > kReplacedCapacity) result.resize(kReplacedCapacity);
  text = std::move(result);
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

std::string ShownEntryText(std::string_view text) {
  text = text.substr(0, FindUnquoted(text, '|'));
  std::string shown;
  for (std::size_t start = 0;;) {
    const std::size_t end = FindUnquoted(text, '!', start);
    std::string_view level = text.substr(start, end - start);
    const std::size_t at = FindUnquoted(level, '@');
    if (at != std::string_view::npos) level.remove_prefix(at + 1);
    shown += level;
    if (end == std::string_view::npos) return shown;
    shown += '!';
    start = end + 1;
  }
}

std::string LatexToEntity(std::string_view text) {
  std::string result(text.substr(0, kTextCapacity));
  for (const LatexForm& form : kLatexForms) ReplaceAll(result, form.notation, form.entity);
  return result;
}

}  // namespace check_html
