// Table repair of one rewritten page: the page moves to its ".bak" name and is written anew
// with its top-level tables tidied (colspans that only widen a table by an unused column, runs
// of empty rows, the width of plain three-column tables, nested tables' tags, two outdated
// entities). Problems found are logged with "!!!", changes with "+++".
#pragma once

#include <string>

namespace check_html {

class RunContext;

inline constexpr const char* kTableRepairStatus = "TC: ";
// Logged (after "!!!") for a page that is left as it is.
inline constexpr const char* kNoEndNotRepairedText = "No </HTML>, tables not repaired: ";
inline constexpr const char* kBakIsPageText =
    "Backup name is the page's own, tables not repaired: ";

// The page's name with the extension "bak": the last three characters replaced when the
// fourth-last is ".", else the last four.
std::string TableBackupName(const std::string& page);

// Repairs the tables of `page` (cut to 255 characters). A file error ends the run with the page
// whole under its own name or its backup name; a page without an end tag is left alone.
void RepairTables(RunContext& run, const std::string& page);

}  // namespace check_html
