// Numbered display equations of pages whose formulas are TeX for MathJax (xxx_mathjax): the
// converter's anchor ids carry the section and equation numbers, and an equation with a number
// is laid out as a one-row table with the number at the right.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace check_html {

class RunContext;
struct PageRewrite;

// Takes the numbers of a converter anchor id (one beginning with "x"). An id with a "." sets
// EqSection from the characters between 5 behind its first "-" and the "." (when it has a "-");
// otherwise an id with an "r" sets EqNumber from the characters after the "r" and the result
// is true: the anchor labels an equation. A number that does not convert counts as 0.
bool ReadConverterId(RunContext& run, std::string_view id);

// Offset of the first "\begin" in `text` whose environment (from the next "{" to the next "}")
// is {equation} or {eqnarray}; npos when there is none.
size_t FindEquationStart(std::string_view text);

// Writes `before`, then the table: the equation (index commands removed), the anchor with `id`,
// the name "EqID" and its content taken from the page through its end tag, and the label
// "(EqSection.EqNumber)".
void WriteEquationTable(PageRewrite& page, std::string_view before, std::string equation,
                        const std::string& id);

}  // namespace check_html
