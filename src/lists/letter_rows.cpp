#include "lists/letter_rows.h"

#include <algorithm>

#include "platform/case_map.h"
#include "site/report_page.h"

namespace check_html {
namespace {

constexpr unsigned char kFirstLetter = 'A';
constexpr unsigned char kLastLetter = 'Z';

// `open`, the letter, "anc\">", the letter and ",</A>": a link to a letter section or its anchor.
void AddLetterAnchor(ReportText& page, std::string_view open, unsigned char letter) {
  const char x = static_cast<char>(letter);
  page.Add(open);
  page.Add(std::string_view(&x, 1));
  page.Add("anc\">");
  page.Add(std::string_view(&x, 1));
  page.Add(",</A>");
}

}  // namespace

void AddLetterBar(ReportText& page) {
  page.Add("<P><B>");
  for (unsigned char letter = kFirstLetter; letter <= kLastLetter; ++letter) {
    AddLetterAnchor(page, "<A HREF=\"#_", letter);
    page.EndLine();
  }
  page.AddLine("</B></P>");
  page.AddLine("<TABLE BORDER=\"1\">");
}

void LetterRows::AddRowBefore(ReportText& page, std::string_view text) {
  if (text.empty() || position_ > kLastLetter) return;
  const auto initial = static_cast<unsigned char>(ToUpper1252(text.front()));
  if (initial < position_) return;
  const unsigned char last = std::min(initial, kLastLetter);
  page.Add("<TR><TD COLSPAN=\"2\"><B>");
  for (; position_ <= last; ++position_) AddLetterAnchor(page, "<A NAME=\"_", position_);
  page.AddLine("</B></TD></TR>");
}

}  // namespace check_html
