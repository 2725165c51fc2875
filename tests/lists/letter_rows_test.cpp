#include "lists/letter_rows.h"

#include <gtest/gtest.h>

#include <string>

#include "list_run.h"
#include "site/report_page.h"

namespace check_html {
namespace {

// An empty text (a list marker alone) has no initial: no row, and the position stays at A. A
// digit is below it; lower case is lettered by its upper case; \xE4 (upper \xC4) lies above Z.
TEST(LetterRows, AnchorEachLetterOnceBeforeTheFirstEntryAtOrBeyondIt) {
  ReportText page;
  LetterRows letters;
  for (const char* text : {"", "3D", "chemie", "Chlor", "", "dampf", "\xE4pfel", "zoo", "\xDC"})
    letters.AddRowBefore(page, text);
  EXPECT_EQ(page.Bytes(), LetterRow('A', 'C') + LetterRow('D', 'D') + LetterRow('E', 'Z'));
}

}  // namespace
}  // namespace check_html
