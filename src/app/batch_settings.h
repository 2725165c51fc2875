// The batch command line's changes to the settings that were read from the settings files,
// applied as if the settings file had said so.
#pragma once

#include <string>

#include "app/batch_options.h"
#include "shell/settings.h"

namespace check_html {

// Applies --out, --prefix, --project and every --set to `settings` as read by
// ReadStoredSettings and to the option flags, then derives what reading the settings derives
// (TeX mode hides and clears the Bind flags and chooses GIF buttons), so the result is that of
// a settings file holding the given values. The output folder is the program folder unless
// --out names one.
// Returns an error text for a value that is not of its option's form, else "".
std::string ApplyBatchSettings(const BatchOptions& batch, Settings& settings, Options& options);

}  // namespace check_html
