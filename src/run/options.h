// The options of the program: the menu options and their settings-file twins, and the values
// derived from them. The front end (window or batch) owns one Options object and every run reads
// it; a run reads a flag when a pass needs it, so a menu option changed during a run takes
// effect for the passes that start afterwards. The flags are atomic for exactly that reason.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/child_process.h"

namespace check_html {

inline constexpr int32_t kDefaultOldDays = 1000;
inline constexpr const char* kProgramVersion = "1.0";

// The settings of the external-link check ([External] in the settings file). They change only
// while no run is active.
struct ExternalSettings {
  int32_t Connections = 32;  // requests open at once in all
  int32_t PerHost = 4;       // requests open at once to one host (scheme, name and port)
  int32_t Timeout = 15;      // seconds per request
  std::string UserAgent = std::string("check_html/") + kProgramVersion;
  int32_t CacheDays = 1;     // a result younger than this is not asked again (broken ones are)
};

struct Options {
  // Initial values are those before the settings are read; reading the settings applies the
  // stored values and their defaults.
  std::atomic<bool> Set_to_English{false};   // English page texts and titles
  std::atomic<bool> tex_html{true};          // pages come from the TeX converter
  std::atomic<bool> for_mathjax{true};       // MathJax form of the mathematics
  std::atomic<bool> xxx_mathjax{false};      // second MathJax variant of anchors and equations
  std::atomic<bool> BakClear{false};         // delete ".bak" files
  std::atomic<bool> Look_For_SubPath{true};  // crawl only below the output folder
  std::atomic<bool> Clear_Anc{false};        // remove dated anchors older than Old_Days
  std::atomic<int32_t> Old_Days{kDefaultOldDays};  // age limit in days for Clear_Anc
  std::atomic<bool> DoNice_Item{false};       // table repair at the end of a run
  std::atomic<bool> GiF2PNGItem{false};       // GIF to PNG conversion
  std::atomic<bool> ChlargeImageItem{false};  // large-image handling of the image rewrite
  std::atomic<bool> DoSpecialItem{false};     // special copy at the end of a run
  // Beyond the described run, off by default so that a run without them writes the same:
  std::atomic<bool> CheckAnchors{false};  // report links to anchors that their pages lack
  std::atomic<bool> CheckExternal{false};  // ask other sites whether the links to them work

  // Derived when the settings are read: PNG button pictures unless tex_html was on. Later
  // changes of tex_html do not change it.
  std::atomic<bool> UsePngButtons{true};
  // Today as a day number (YY * 12 + MM) * 31 + DD, 0 when the date text could not be read.
  std::atomic<int32_t> TodayNumber{0};

  // Plain strings: set only while no run is active (at start-up and when a run starts), and
  // only read during a run.
  std::string HomeLink;                         // frame target of the navigation bars
  std::string SpecialDir;                       // target folder of the special copy
  std::string ConverterPath = DefaultConverter();  // path of the external image converter
  // The folder a link beginning with "/" refers to, as a web server serves it; empty: such a
  // link counts as relative to its page's folder.
  std::string SiteRoot;
  ExternalSettings External;  // how the external links are checked
};

}  // namespace check_html
