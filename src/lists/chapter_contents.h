// Chapter binding: the chapters' contents pages and the chain of their backbone pages.
#pragma once

#include <string>

namespace check_html {

class THTML_Thread;

void BuildChapterContents(THTML_Thread& run, const std::string& start_file);

}  // namespace check_html
