// Pure functions between the links written in pages and the paths of the site database.
// Except NormalizeLink, each first turns its path arguments into "/" form and lower case.
// A folder path ends with "/". `save_dir` is the folder the generated pages go to.
#pragma once

#include <string>
#include <string_view>

namespace check_html {

// The folder of `path` with its trailing "/"; empty when the path holds no "/".
std::string FolderOf(std::string_view path);

// Drops the last folder name: "c:/a/b/" becomes "c:/a/". Empty when no earlier "/" is left.
void DropLastFolder(std::string& folder);

// Resolves `link` against `folder`: every "../" drops one folder wherever it stands, "./" and
// a leading "/" are dropped. Once the folder is used up the rest of the link is ignored.
// External references ("http://", "https:/", "mailto:", "javascript:") come back as they are.
std::string ResolveLink(std::string_view folder, std::string_view link);

// `target` relative to the folder of `page`: the common beginning up to its last "/" is cut
// and one "../" is put in front per folder of `page` below it.
std::string RelativeFrom(std::string_view page, std::string_view target);

// ResolveLink, except that a link beginning with a single "/" is resolved against `site_root`
// (the folder a web server serves, with its trailing "/") when that is not empty.
std::string ResolveSiteLink(std::string_view folder, std::string_view site_root,
                            std::string_view link);

// RelativeFrom(base, target), with a final ".htm" made ".html". A base without a trailing
// "/" counts as a file in its parent folder.
std::string RelativePath(std::string_view target, std::string_view base);

// The link a report page in the save folder's location writes for `path`: an external
// reference (7-character test, "javascr" included) lower-cased and otherwise untouched, any
// other path as "../" + RelativePath(path, save_dir).
std::string ReportLink(std::string_view path, std::string_view save_dir);

// Whether the crawl may scan the page. With `look_for_subpath` on, only pages inside the save
// folder qualify, and not those below it whose relative path begins "check" or "metamod/i".
bool MayFollow(std::string_view path, std::string_view save_dir, bool look_for_subpath);

// An HREF or SRC value as the rewriter writes it: the path part lower-cased with ".htm" made
// ".html", a "#" fragment kept in its case, external references unchanged, slashes as they are.
// Input and result are cut to 255 characters.
std::string NormalizeLink(std::string_view link);

}  // namespace check_html
