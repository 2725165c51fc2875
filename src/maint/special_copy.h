// Special copy: the site's pages and the pictures they show, copied into SpecialDir in the flat
// layout of the PDF converter: backbone pages into backbone/, section pages into appendix/,
// their pictures into illustr/. No page of the site changes.
#pragma once

#include <cstddef>
#include <string_view>

namespace check_html {

class RunContext;

// Copies every existing ".html" page of the site (the folder part of Files entry 1 before its
// chapter folder) that lies in a backbone or a section folder, and the existing pictures it
// shows except the navigation buttons. Missing target folders are created; an existing target
// is overwritten. A failed copy is logged and the job goes on; a stop ends it between pages.
void CopySpecial(RunContext& run);

// True when `path` holds one of the section folders "/advanced/", "/exercise/", "/illustr/",
// "/basics/" (the first of them found, in this order); `end` is then the position just after
// that folder name.
bool SectionFolderEnd(std::string_view path, std::size_t& end);

}  // namespace check_html
