// The texts of the two windows, letter for letter as the program shows them.
#pragma once

namespace check_html {

// Main window.
inline constexpr const char* kFormCaption = "Dorwick DI7 MathJax";
inline constexpr const char* kDefaultFileMask = "*.htm;*.html";
inline constexpr const char* kFilterText = "HTML Files|*.htm;*.html|All files (*.*)|*.*";
inline constexpr const char* kClearAncorText = "Clear Ancors older than";
inline constexpr const char* kBindBackText = "Bind \"Backbone\"";
inline constexpr const char* kBindNoBackText = "Bind \"No-Backbone\"";
inline constexpr const char* kPathLabelText = "Path for HTML-Save-Files:";
inline constexpr const char* kPrefixLabelText = "Prefix for HTML-Files:";
inline constexpr const char* kProjectnameLabelText = "Name of HTML-Project:";
inline constexpr const char* kCheckLabelText = "Name of \"Check\"-File:";
inline constexpr const char* kBadLabelText = "Name of \"Bad\"-File: ";
inline constexpr const char* kDumLabelText = "Name of \"Dum\"-File :";
inline constexpr const char* kIndexLabelText = "Name of Index-File :";
inline constexpr const char* kAbkLabelText = "Name of Abr.-File:";
inline constexpr const char* kNameLabelText = "Name of Name-File:";
inline constexpr const char* kTransLabelText = "Name of Transl-File:";
inline constexpr const char* kNewLabelText = "Name of New-File:";
inline constexpr const char* kAnchorLabelText = "Name of \"Anchor\"-File:";
inline constexpr const char* kExtLabelText = "Name of \"External\"-File:";
inline constexpr const char* kReportsButtonText = "Reports";
inline constexpr const char* kExitQuestion = "Exit running Check?";
inline constexpr const char* kStopQuestion = "Stop running Check?";

// The items of Check_Popup, in menu order.
inline constexpr const char* kEnglishItemText = "&English Language";
inline constexpr const char* kTexHtmlItemText = "TEX HTML";
inline constexpr const char* kMathJaxItemText = "Pure MathJax";
inline constexpr const char* kBakClearItemText = "Clear &BAK";
inline constexpr const char* kSubPathItemText = "&Only SubPath";
inline constexpr const char* kGifItemText = "Change GIF 2 PNG";
inline constexpr const char* kLargeImageItemText = "Change large Images";
inline constexpr const char* kDoNiceItemText = "&Do Nice View";
inline constexpr const char* kDoSpecialItemText = "Do_Special";
inline constexpr const char* kCheckAnchorsItemText = "Check Anchors";
inline constexpr const char* kCheckExternalItemText = "Check External Links";
// After a separator: a run started while "Preview" is checked is a dry run; "Show preview"
// opens the diff of the last one.
inline constexpr const char* kPreviewItemText = "Preview";
inline constexpr const char* kShowPreviewItemText = "Show preview";
inline constexpr const char* kPreviewStatusPrefix = "Preview: ";

// Log window.
inline constexpr const char* kLogCaption = "Cummunication";
inline constexpr const char* kLogFirstLine = "HTML Pipe Communication:";
inline constexpr const char* kNonButtonText = "Non";
inline constexpr const char* kServerButtonText = "Server";
inline constexpr const char* kClientButtonText = "Client";

}  // namespace check_html
