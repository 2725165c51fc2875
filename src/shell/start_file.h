// Tests on the path of the start page. Both separators ("\" and "/") count as folder separators,
// so a path in the Windows form of the file list and one in the form of the disk behave alike.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// True when the file's extension (from its last "."), upper-cased and cut to five characters
// with the dot, is ".HTM" or ".HTML". So "x.HTML" and "x.htmlx" pass, "x.txt" and "x" do not.
bool HasPageExtension(std::string_view file);

// True when `file` lies under the parent folder of `program_dir`: its first k characters,
// lower-cased, equal the first k characters of `program_dir`, where k is the position of the
// last separator in `program_dir` (so with no separator every file passes).
bool LiesUnderParentOf(std::string_view file, std::string_view program_dir);

// The site folder name for the first line of the reference list: the text before `\html\`
// (or, when that is missing, before "\kap"; both exact case) and from it the part after its last
// backslash. Empty when neither is found. "d:\web\zq\html\kap1\backbone\p.html" gives "zq".
std::string SiteFolderOf(std::string_view start_file);

}  // namespace check_html
