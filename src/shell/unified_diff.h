// The hunks of one file's change in the unified form that `diff -u` writes and `patch` reads.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// Appends the hunks ("@@ -a,b +c,d @@" and their lines, three lines of context) that turn
// `before` into `after`; nothing when they are equal. A line ends after "\n" (a "\r" before
// it is part of the line); a last line without one is marked "\ No newline at end of file".
void AppendHunks(std::string_view before, std::string_view after, std::string& out);

}  // namespace check_html
