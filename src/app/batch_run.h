// One check run without a window: the settings are read as the window reads them, the command
// line overrides them, the run goes through to its end, and the exit code tells how it ended.
#pragma once

#include <cstdio>

#include "app/batch_options.h"

namespace check_html {

inline constexpr int kExitRunEnded = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitBadCommandLine = 2;
// Only with --fail-on-broken: the run ended and found something broken.
inline constexpr int kExitFoundBroken = 3;

// Runs `options` (a parsed --batch command line). Log lines go to `out` unless --log names a
// file; the closing "Status: ..." line and error messages go to `err`.
int RunBatch(const BatchOptions& options, std::FILE* out, std::FILE* err);

}  // namespace check_html
