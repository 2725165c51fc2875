// The letters A to Z of a list page: the bar of links at the top and the rows of anchors in
// the table that the bar jumps to.
#pragma once

#include <string_view>

namespace check_html {

class ReportText;

// The bar of links to the letter sections "_Aanc" ... "_Zanc", then the start of the table.
void AddLetterBar(ReportText& page);

// The letter anchors of one list's table. The letter position is the next letter without an
// anchor; it starts at A and only moves forward, so each letter is anchored at most once.
class LetterRows {
 public:
  // Writes the row due before an entry shown as `text`: one row anchoring every letter from the
  // letter position up to the entry's initial (its first character upper-cased) or Z, whichever
  // is smaller. The initial is compared as an unsigned byte: one above Z (such as \xC4) anchors
  // all letters left, one below the letter position (a digit, a letter already anchored) writes
  // nothing. An empty text (an anchor that is only a list's marker) has no initial and writes
  // nothing.
  void AddRowBefore(ReportText& page, std::string_view text);

 private:
  unsigned char position_ = 'A';
};

}  // namespace check_html
