// The settings that the window and the batch front end share, and the settings files they live
// in: "check_html_new.ini" (read and written) and the legacy "check_html.ini" (read only when the
// INI file is missing), both in the program folder. The option flags live in the program's
// Options; reading the settings sets them as well, and writing saves them.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "run/options.h"

namespace check_html {

inline constexpr const char* kSettingsFileName = "check_html_new.ini";
inline constexpr const char* kLegacySettingsFileName = "check_html.ini";
inline constexpr const char* kDefaultPrefix = "zq";
inline constexpr const char* kDefaultProjectName = "zq";
// The project name that an INI file without the key gives.
inline constexpr const char* kStoredDefaultProjectName = "Kesta - Script";

struct Settings {
  std::string ProgramDir;                            // folder of the settings files, lower case
  std::string StartDir;                              // folder of the start page, lower case
  std::string StartFile;                             // start page, lower case; empty for none
  std::string SaveDir;                               // output folder, lower case
  std::string SavePrefix = kDefaultPrefix;           // report prefix (PrefixEdit)
  std::string SaveProjectname = kDefaultProjectName; // project name (ProjectNameEdit)
  bool BindBack = false;
  bool BindNoBack = false;
  bool BindBoxesVisible = false;  // the two Bind boxes are hidden in TeX mode
};

// Reads the settings at start-up from the folder `program_dir` (given without a trailing
// separator) and sets the option flags of `options`, UsePngButtons, SpecialDir and ConverterPath. SpecialDir
// defaults to ProgramDir + "/special" when it is still empty. A start file that does not exist
// or lies outside the parent of the program folder is dropped; the output and start folders are
// then the program folder. TodayNumber is set separately (SetTodayFromDateText).
Settings ReadSettings(const FileSystem& files, std::string_view program_dir, Options& options);

// ReadSettings in two steps, so that values given elsewhere (the batch command line) can be put
// in between as if the file had held them: the values as stored, then what the TeX mode derives
// (in TeX mode the Bind flags are cleared and hidden and the buttons are GIFs).
Settings ReadStoredSettings(const FileSystem& files, std::string_view program_dir,
                            Options& options);
void DeriveFromTexMode(Settings& settings, Options& options);

// Writes "check_html_new.ini" in the program folder, keeping keys of the file it does not write.
FileStatus WriteSettings(FileSystem& files, const Settings& settings, const Options& options);

}  // namespace check_html
