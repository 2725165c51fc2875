// GIF to PNG: the site's GIF pictures converted by an outside picture converter (the setting
// ConverterPath), each GIF deleted once its PNG is there, except the site's own buttons and
// bullets. The pages are switched to the PNG names by the failure report of a later run.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// For every picture of the site database named ".gif" or ".png" (animated ones, marked
// "a_n_i_m_", left alone) whose GIF exists: converts it when its PNG is missing, then deletes
// the GIF when the PNG exists and is not empty and the GIF is not one of the protected
// pictures. Stops after the picture at which the stop request came. A dry run starts no
// converter: it logs each conversion it would start and keeps that GIF.
void ConvertGifs(RunContext& run, bool dry_run = false);

// Converts `gif` into `png` (which must not exist) and waits for the converter, looking every
// 100 ms whether it has ended or the run is to stop (the converter is then killed). The
// converter writes a hidden file beside `png` that is renamed to `png` only after a successful
// end, so a failed or stopped converter never leaves a PNG. True when `png` now exists; every
// failure is logged.
bool RunConverter(RunContext& run, const std::string& gif, const std::string& png);

}  // namespace check_html
