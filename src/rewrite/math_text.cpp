#include "rewrite/math_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstddef>

#include "html/text_scan.h"

namespace check_html {
namespace {

constexpr std::string_view kBaselineSkip = "\\baselineskip";
constexpr double kTenthsPerSkip = 150;  // one baseline skip is 15 points

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// [sign] digits [. digits] [e [sign] digits], with at least one digit in front of the exponent;
// anything else counts as 0.
double FactorOf(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t end = SkipDigits(text, at);
  size_t digits = end - at;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction_end = SkipDigits(text, end + 1);
    digits += fraction_end - end - 1;
    end = fraction_end;
  }
  if (digits == 0) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    end = SkipDigits(text, exponent);
    if (end == exponent) return 0;
  }
  if (end != text.size()) return 0;
  if (text[0] == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && ptr == text.data() + text.size() ? value : 0;
}

std::string PointsOf(double factor) {
  double tenths = std::nearbyint(factor * kTenthsPerSkip);  // to nearest, a half to even
  if (tenths == 0) tenths = 0;                              // no "-0.0"
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%3.1f", tenths / 10);
  return std::string(buffer) + "pt";
}

enum class TokenClass { kNone, kNumber, kIdentifier, kRelation, kBinary };

// A numeric entity "&#...;" is one token, every other byte one token.
size_t TokenEnd(std::string_view text, size_t at) {
  if (text[at] == '&' && at + 1 < text.size() && text[at + 1] == '#') {
    const size_t semicolon = text.find(';', at + 2);
    if (semicolon != std::string_view::npos) return semicolon + 1;
  }
  return at + 1;
}

TokenClass ClassOf(std::string_view token) {
  if (token == "=" || token == "&#x2192;" || token == "&#x22EF;" || token == "&#x21D2;") {
    return TokenClass::kRelation;
  }
  if (token == "+" || token == "&#x2215;") return TokenClass::kBinary;
  if (token.size() == 1 && IsDigit(token[0])) return TokenClass::kNumber;
  return TokenClass::kIdentifier;
}

// Writes one run; only the last run of a text takes the bold variant and the empty operator in
// front of a relation that ends in the dots or the double arrow.
void AppendRun(std::string& out, TokenClass run_class, std::string_view run, bool bold_last,
               std::string_view last_token) {
  switch (run_class) {
    case TokenClass::kNumber:
      out += bold_last ? "<mn mathvariant=\"bold\">" : "<mn>";
      out += run;
      out += "</mn>";
      break;
    case TokenClass::kIdentifier:
      out += bold_last ? "<mi mathvariant=\"bold\">" : "<mi>";
      out += run;
      out += "</mi>";
      break;
    case TokenClass::kRelation:
      if (last_token == "&#x22EF;" || last_token == "&#x21D2;") out += "<mo></mo>";
      out += "<mo class=\"MathClass-rel\">";
      out += run;
      out += "</mo>";
      break;
    case TokenClass::kBinary:
      out += "<mo class=\"MathClass-bin\">";
      out += run;
      out += "</mo>";
      break;
    case TokenClass::kNone:
      break;
  }
}

}  // namespace

void ConvertBaselineSkips(std::string& entry) {
  size_t from = 0;
  for (size_t p; (p = entry.find(kBaselineSkip, from)) != std::string::npos;) {
    // The "{" is looked for from p - 1 back to the second character, where the search stops.
    std::ptrdiff_t i = static_cast<std::ptrdiff_t>(p) - 1;
    while (i > 1 && entry[static_cast<size_t>(i)] != '{') --i;
    const size_t start = static_cast<size_t>(i + 1);
    const std::string points = PointsOf(FactorOf(std::string_view(entry).substr(start, p - start)));
    entry.replace(start, p + kBaselineSkip.size() - start, points);
    from = start + points.size();
  }
}

std::string TokenizeMathText(std::string_view text, bool bold) {
  std::string out;
  size_t run_start = 0;
  TokenClass run_class = TokenClass::kNone;
  std::string_view token;
  for (size_t at = 0; at < text.size(); at += token.size()) {
    token = text.substr(at, TokenEnd(text, at) - at);
    if (token.size() == 1 && IsBlank(token[0])) continue;  // joins the run it stands in
    const TokenClass token_class = ClassOf(token);
    if (run_class != TokenClass::kNone && token_class != run_class) {
      AppendRun(out, run_class, text.substr(run_start, at - run_start), false, {});
      run_start = at;
    }
    run_class = token_class;
  }
  AppendRun(out, run_class, text.substr(run_start), bold, token);
  return out;
}

}  // namespace check_html
