// Chapter binding: the chapters' contents pages and the chain of their backbone pages.
//
// A chapter has an id character, "1" to "9", then "a", "b", ...; its folder name ends with the
// id, its main pages lie in the folder's "backbone" folder and their names begin with "r" and
// the id, and its contents page there is "r" + id + ".html". The chain runs contents page, the
// backbone pages in name order, the next chapter's contents page; HomeLink stands before the
// first chapter and after the last.
#pragma once

#include <string>

namespace check_html {

class RunContext;

// The whole pass: the folder of `start_file` is chapter 1's backbone folder, and the chapters
// follow while the next chapter's backbone folder holds a page beginning with its "r" + id.
// BackboneList is reset to the project name and filled with every chapter's pages, contents
// page included, in chapter and name order. A folder that does not end in "backbone" binds its
// own chapter only. A stop request ends the pass between two pages.
void BuildChapterContents(RunContext& run, const std::string& start_file);

// One chapter: `folder` (with its trailing separator) holds the contents page `name` and the
// pages whose names begin with its first two characters and end in ".htm" or "html". Each page
// gets its bar (CheckChapterPage), then the contents page is written with its title numbered
// `chapter`, the pages' headings and a bar leading forward to the first page (or `next`) and back
// to `carried` (the last page of the chapter before) or, for the first chapter, `back`. Absolute
// targets are made relative to the contents page. On return `carried` is the chapter's last page
// (or its contents page). False when a stop request came before all pages were done; the
// contents page is then left as it was.
bool WriteChapterContents(RunContext& run, int chapter, const std::string& folder,
                          const std::string& name, std::string next, const std::string& back,
                          std::string& carried);

}  // namespace check_html
