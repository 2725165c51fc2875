// The English and German texts of the navigation bar buttons. Each follows the button template
// that begins its line.
#pragma once

#include "run/options.h"

namespace check_html {

// The English text with Set_to_English on, the German one otherwise.
inline const char* InLanguage(const Options& options, const char* english, const char* german) {
  return options.Set_to_English ? english : german;
}

// Table form (TableBar and the bars built from its pieces).
inline constexpr const char* kFrameCellEn =
    "ALT=\"With frame\" TITLE=\"With frame\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" "
    "HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kFrameCellDe =
    "ALT=\"Mit Frame\" TITLE=\"Mit Frame\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" "
    "HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kBackCellEn =
    "ALT=\"Back\" TITLE=\"Back\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kBackCellDe =
    "ALT=\"Zurueck\" TITLE=\"Zurueck\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" "
    "HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kForwardCellEn =
    "ALT=\"Forward\" TITLE=\"Forward\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" "
    "HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kForwardCellDe =
    "ALT=\"Weiter\" TITLE=\"Weiter\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" "
    "HEIGHT=\"28\"></A></TD>";
inline constexpr const char* kPdfCellEn =
    "ALT=\"as PDF\" TITLE=\"as PDF\" BORDER=\"0\" WIDTH=\"40\" "
    "HEIGHT=\"40\"></A></TD></TR></TABLE>";
inline constexpr const char* kPdfCellDe =
    "ALT=\"als PDF\" TITLE=\"als PDF\" BORDER=\"0\" WIDTH=\"40\" "
    "HEIGHT=\"40\"></A></TD></TR></TABLE>";

// Paragraph form (the go-to bar and the sub-folder bar).
inline constexpr const char* kWithFrameEn =
    "ALT=\"With frame\" TITLE=\"With frame\" ALIGN=\"MIDDLE\" BORDER=\"0\" HSPACE=\"15\" "
    "WIDTH=\"27\" HEIGHT=\"28\"> With frame</A>";
inline constexpr const char* kWithFrameDe =
    "ALT=\"Mit Frame\" TITLE=\"Mit Frame\" ALIGN=\"MIDDLE\" BORDER=\"0\" HSPACE=\"15\" "
    "WIDTH=\"27\" HEIGHT=\"28\"> Mit Frame</A>";
inline constexpr const char* kAsPdfEn =
    "ALT=\"as PDF\" TITLE=\"as PDF\" ALIGN=\"MIDDLE\" BORDER=\"0\" WIDTH=\"40\" HEIGHT=\"40\" "
    "HSPACE=\"90\"></A>";
inline constexpr const char* kAsPdfDe =
    "ALT=\"als PDF\" TITLE=\"als PDF\" ALIGN=\"MIDDLE\" BORDER=\"0\" WIDTH=\"40\" HEIGHT=\"40\" "
    "HSPACE=\"90\"></A>";
inline constexpr const char* kGoToEn = "ALT=\"go to\" TITLE=\"go to\"";
inline constexpr const char* kGoToDe = "ALT=\"gehe zu\" TITLE=\"gehe zu\"";
inline constexpr const char* kGoToSize =
    "ALIGN=\"MIDDLE\" BORDER=\"0\" HSPACE=\"15\" WIDTH=\"27\" HEIGHT=\"28\">";

}  // namespace check_html
