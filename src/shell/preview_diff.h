// What a dry run would change, as one diff in the form git writes (the "a/" and "b/" prefixes,
// "diff --git" headers), which `patch -p1` applies in the folder the paths are relative to:
// the deepest folder that holds every file the diff names. A file that moved to a new name
// unchanged (a page to its ".bak" name) is a rename, or a copy when its old name lives on;
// pictures and other files holding NUL bytes are named only ("Binary files ... differ").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace check_html {

class OverlayFileSystem;

struct PreviewSummary {
  struct Counts {
    int changed = 0;
    int unchanged = 0;  // written again with the bytes they had
    int created = 0;
    int deleted = 0;
  };
  Counts pages;   // ".htm" and ".html" files
  Counts others;  // ".bak" files, lists of other kinds, RefList.txt, pictures, ...
  uint64_t bytes_before = 0;  // of every file the run wrote, renamed or deleted
  uint64_t bytes_after = 0;
  std::string root;  // the folder the diff's paths are relative to; empty: nothing changed
};

// Writes the diff of everything `files` changed against its base, piece by piece through
// `write` (a file at a time, so no more than one file's diff is held), and counts the changes.
PreviewSummary WritePreviewDiff(const OverlayFileSystem& files,
                                const std::function<void(std::string_view)>& write);

// The log lines of the summary, the last one naming where the diff went and the folder that
// patch applies it in.
std::vector<std::string> PreviewSummaryLines(const PreviewSummary& summary,
                                             const std::string& diff_name);

}  // namespace check_html
