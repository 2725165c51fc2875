// The global options of the program. The window (or the batch front end) sets them; every pass
// reads the current value when it runs, so a menu option changed during a run takes effect for
// the passes that start afterwards. The flags are atomic for exactly that reason.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace check_html {

// Menu options and their settings-file twins. Initial values are those before the settings are
// read; ReadSettings (shell/settings.h) applies the stored values and their defaults.
extern std::atomic<bool> Set_to_English;    // English page texts and titles
extern std::atomic<bool> tex_html;          // pages come from the TeX converter
extern std::atomic<bool> for_mathjax;       // MathJax form of the mathematics
extern std::atomic<bool> xxx_mathjax;       // second MathJax variant of anchors and equations
extern std::atomic<bool> BakClear;          // delete ".bak" files
extern std::atomic<bool> Look_For_SubPath;  // crawl only below the output folder
extern std::atomic<bool> Clear_Anc;         // remove dated anchors older than Old_Days
extern std::atomic<int32_t> Old_Days;       // age limit in days for Clear_Anc
extern std::atomic<bool> DoNice_Item;       // table repair at the end of a run
extern std::atomic<bool> GiF2PNGItem;       // GIF to PNG conversion
extern std::atomic<bool> ChlargeImageItem;  // large-image handling of the image rewrite
extern std::atomic<bool> DoSpecialItem;     // special copy at the end of a run

// Derived when the settings are read: PNG button pictures unless tex_html was on. Later changes
// of tex_html do not change it.
extern std::atomic<bool> UsePngButtons;
// Today as a day number (YY * 12 + MM) * 31 + DD, 0 when the date text could not be read.
extern std::atomic<int32_t> TodayNumber;

// Plain strings: they are set only while no run is active (at start-up and when a run starts),
// and only read during a run.
extern std::string HomeLink;    // frame target of the navigation bars
extern std::string SpecialDir;  // target folder of the special copy
extern std::string ConverterPath;  // path of the external image converter

inline constexpr int32_t kDefaultOldDays = 1000;

// Puts every option back to its initial value (start-up state; used by tests).
void ResetOptions();

}  // namespace check_html
