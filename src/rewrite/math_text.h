// Text pieces of the two treatments of a converter page's formulas: the TeX entry of the
// formula file before it is written, and bare text inside MathML layout elements.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// Replaces every factor + "\baselineskip" in `entry` by its length in points, one baseline skip
// being 15 points: the factor is the decimal number between the "{" in front of the command
// (looked for back to the entry's second character) and the command; an empty or invalid number
// counts as 0. The value is factor x 150 rounded to an integer (a half to the even neighbour),
// divided by 10, written with one decimal and at least three characters wide, then "pt".
void ConvertBaselineSkips(std::string& entry);

// Splits bare text into token elements: runs of digits become "<mn>", runs of "=" and the arrow
// and dots entities "<mo class=\"MathClass-rel\">", "+" and the division slash entity
// "<mo class=\"MathClass-bin\">", everything else "<mi>". A numeric entity ("&#...;") is one
// token; blanks join the run they stand in. With `bold` (a bold identifier wrapper is open) the
// last run, when a number or identifier, gets mathvariant="bold". A text of blanks writes nothing.
std::string TokenizeMathText(std::string_view text, bool bold);

}  // namespace check_html
