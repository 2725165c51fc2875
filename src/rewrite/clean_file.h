// CleanFile: the rewrite of one page. The page is read tag by tag and written anew in the house
// style; its previous text stays beside it as the ".bak" file unless BakClear asks otherwise.
#pragma once

#include <cstdint>
#include <string>

namespace check_html {

class RunContext;

inline constexpr const char* kCleanFileStatus = "Clean File ";
// Logged (after "!!!") for a page the reader finds no end in: it would read as empty, so
// rewriting it would throw its content away.
inline constexpr const char* kNoPageEndText = "No </HTML>, page not rewritten: ";

// Rewrites the page `source_name` into `target_name` (equal unless the page moves from ".htm" to
// ".html"); `file_index` is its entry in Files. Pages named index.html are left alone. Returns
// true when the page was rewritten.
//
// The page is never lost: until the new text is written the old one is under the page's own
// name or its ".bak" name, and every file is written whole (temporary file and rename). An error
// that ends the rewrite before the new text exists puts the page back under its own name, then
// propagates.
bool CleanFile(RunContext& run, const std::string& source_name, const std::string& target_name,
               int32_t file_index, bool in_sub_folder);

}  // namespace check_html
