// The names CleanFile derives from the path of the page it rewrites: the backup name, the PDF
// base name, the page-kind flags and the section fields that the navigation bars link to.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

struct PageRewrite;
class RunContext;

// Sets IsLi1Page, IsSubPage, BakName and PdfBase of `page` from its SourceName, and moves the
// run's section fields when the page's section number is higher than any seen in this run.
void SetPageNames(PageRewrite& page);

// A section page's name ends in "se" and a number of one to three characters before the
// extension's dot; a number that does not convert counts as 0. When its number is above the
// run's SectionNo, SectionPage, NextSectionPage and PrevSectionPage name this page and its two
// neighbours (file names only) and SectionNo becomes the number.
void MoveSectionFields(RunContext& run, std::string_view source_name);

// The text after the last "/"; a name whose only "/" is its first character stays whole.
std::string FileNamePart(std::string_view name);

}  // namespace check_html
