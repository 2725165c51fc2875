// The legacy settings file "check_html.ini": 21 lines, one value per line, a flag line holding
// an integer (non-zero = on). Line by line: 1 StartDir, 2 StartFile, 3 SaveDir, 4 SavePrefix,
// 5 BindBack, 6 BindNoBack, 7 BakClear, 9 Set_to_English, 12 Clear_Anc, 13 Old_Days,
// 14 Look_For_SubPath, 18 for_mathjax, 19 SaveProjectname, 21 tex_html; the other lines are not
// used. Missing lines read as empty.
#pragma once

#include <string_view>

#include "run/options.h"
#include "shell/settings.h"

namespace check_html {

// Applies the file's values to `settings` and `options`. A flag or number line that is not a
// whole number leaves its value as it was.
void ReadLegacySettings(std::string_view text, Settings& settings, Options& options);

}  // namespace check_html
