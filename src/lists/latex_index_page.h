// Where the LaTeX index page goes. The converter's index page is usually B + "li2.html" (B the
// start file without its extension), but every starred heading before it (a foreword, a list of
// figures) takes an "li" number too, so that name may belong to another page. Only a page that
// is an index page is ever replaced.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

class FileSystem;
class RunContext;

// The usual target: B + "li2.html".
std::string LatexIndexTarget(const std::string& base);

// True when `page` holds the "theindex" class or an "index-item" span, as the converter's index
// page and the page that replaces it do.
bool IsIndexPage(std::string_view page);

struct IndexPagePlace {
  std::string path;    // the page to replace or create; empty when there is none
  bool moved = false;  // `path` is another B + "li" + N + ".html" page than the usual one
};

// The usual target when it is an index page; else the index page among the B + "li" + N + ".html"
// pages with the lowest N; else the usual target when no file has its name; else none.
IndexPagePlace FindIndexPage(const FileSystem& files, const std::string& base);

// Renames the finished `work` file over the place found (deleting the old page first), with a
// "+++" log line when that is not the usual target. Without a place the page stays in the work
// file and a "!!!" line says so. FileError when the delete or the rename fails.
void PutIndexPageInPlace(RunContext& run, const std::string& work, const std::string& target,
                         const IndexPagePlace& place);

}  // namespace check_html
