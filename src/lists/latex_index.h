// The LaTeX index page of a converted document, built from the converter's .idx file.
#pragma once

namespace check_html {

class RunContext;

// The pass. With B the start file without its extension: reads B + ".idx" (no such file: the
// pass does nothing), writes the page to B + "lii.html" in the layout of the converter's index
// page, ending in the table bar (back to SectionPage, forward to the site's index) and the
// footer, and renames it over the converter's index page (latex_index_page.h). RefList gets a
// "FILE" line naming that page and the link of every record, in the order of the file.
void WriteLatexIndex(RunContext& run);

}  // namespace check_html
