// Reading the index file that the TeX converter leaves beside its main page. Each index entry is
// a record of two lines: the first names the page and the anchor in its first two brace groups
// ("\beforeentry{r_se1.html}{dx3-2001}{}"), the second holds the entry text in its first brace
// group ("\indexentry{Band!Valenzband}{4}").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace check_html {

// The longest line ReadIdxLine keeps; the rest of a longer line is read and dropped.
inline constexpr std::size_t kIdxLineCapacity = 255;

// The text between the next "{" at or after `position` and the "}" that closes it, nested brace
// groups balanced. A brace after a backslash is a character, not a group ("\{", "\}"), as TeX
// reads it. On success `position` is left on the closing "}", so the next call returns the next
// group. Nothing when the line holds no complete group from `position` on; the search never
// looks beyond the line.
std::optional<std::string> BraceField(std::string_view line, std::size_t& position);

struct IdxRecord {
  std::string page;
  std::string anchor;
  std::string text;  // the entry text as written, LaTeX and makeindex notation included
};

class IdxReader {
 public:
  explicit IdxReader(std::string bytes) : bytes_(std::move(bytes)) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  // The next line, at most kIdxLineCapacity characters. A line ends after a CR or an LF; a line
  // end that is the first character read is dropped and reading goes on, so a CR LF pair ends
  // one line.
  std::string ReadIdxLine();
  // The next two lines as a record. Nothing when either line is empty or lacks one of its
  // groups: that record is skipped, and the next read starts with the line after it.
  std::optional<IdxRecord> ReadRecord();

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

}  // namespace check_html
