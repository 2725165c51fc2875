// The page reader: one page loaded as bytes and a read position walking through it once.
//
// Conventions: positions are offsets into the loaded bytes (the page base is offset 0). The
// readable text ends at `PageEnd`: 9 bytes behind the start of the first "</HTML>" in any case
// (the tag and the line break after it), never beyond the end of the file. A page without that
// closing tag has no end position and reads as empty. A tag text is what stands between "<" and
// the next ">", without the brackets; a text run is what stands before a tag. Blanks are space,
// line feed and carriage return only. Nothing is decoded: the bytes are Windows-1252.
//
// The scanner functions reuse the caller's out-strings (cleared, then appended), so a loop over a
// page allocates only while its strings grow.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace check_html {

class FileSystem;
struct FoundFile;

class PageReader {
 public:
  // A reader without a file system reads only texts given with LoadText.
  PageReader() = default;
  explicit PageReader(const FileSystem& files) : files_(&files) {}

  // Reads the whole page. The file must be openable for writing as well: a missing or
  // write-protected page throws FileError(kCannotOpenText), a failed read FileError(kReadMappingText).
  // A 0-byte page is no error: it reads as empty. Reading never changes the file.
  void LoadPage(std::string_view path);
  // The same for a page that a look-up (FileSystem::Find) found: it is read from where it was
  // found, and errors name `path` as LoadPage(path) would.
  void LoadPage(std::string_view path, const FoundFile& found);
  // Loads `text` as if it were the page file's content (same end rule).
  void LoadText(std::string text);
  // Releases the page; positions are meaningless until the next load.
  void ClosePage();

  bool AtPageEnd() const { return page_pos_ >= end_; }
  size_t PagePos() const { return page_pos_; }
  void SetPagePos(size_t pos) { page_pos_ = pos; }
  std::optional<size_t> PageEnd() const;
  // Position behind the first "</HTML>" (0 when there is none): the two bytes PageEnd takes
  // beyond it are a line break only on a tidy page.
  size_t ClosingTagEnd() const { return closing_end_; }
  // Position of the "<" of the tag last read by ReadTag or ReadTagAt.
  size_t TagStart() const { return tag_start_; }
  // The readable text: the loaded bytes up to PageEnd (empty when there is no end).
  std::string_view PageText() const { return std::string_view(bytes_).substr(0, end_); }

  // Position of the first case-insensitive occurrence of `text` that begins at or after PagePos
  // and ends at or before PageEnd. PagePos does not move.
  std::optional<size_t> FindInPage(std::string_view text) const;

  // Reads the text run before the next tag and that tag's text. Blank runs fold to one space in
  // both; the tag text is trimmed, the text run is not; "<}" never opens a tag (the "<" is
  // dropped, the "}" is text). Returns true when a tag was read. At the page end `text` holds
  // what was read and `tag` keeps its value (false is returned, so no loop handles it twice).
  bool ReadTag(std::string& text, std::string& tag);
  // ReadTag for a caller that needs only the tags: the text run is passed over unread.
  bool ReadTagOnly(std::string& tag);
  // As ReadTag, but blanks are kept unchanged, both results are trimmed, "<}" opens a tag and
  // TagStart is left alone.
  bool ReadTagRaw(std::string& text, std::string& tag);
  // As ReadTag without the "<}" rule, on the caller's position `pos` instead of PagePos.
  bool ReadTagAt(std::string& text, std::string& tag, size_t& pos);
  // ReadTag, then further ReadTags as long as the tag text begins with "!" (comments and
  // declarations), their text runs added to `text`. Stops at the page end (returning false).
  bool ReadTagSkipComments(std::string& text, std::string& tag);
  // A short summary of the text runs behind `pos`: " | " and the run for every run that is not
  // empty when trimmed, until `s` holds 110 bytes, 10 runs were added, or the page ends.
  // `pos` does not move (TagStart does, as in ReadTagAt).
  void TextPreview(size_t pos, std::string& s);

  // Copy-through: append page text from PagePos to `s` and move PagePos behind the end marker.
  // When the marker is not found before PageEnd nothing changes and false is returned.
  bool TakeScript(std::string& s);   // through "</SCRIPT>"
  bool TakeAnchor(std::string& s);   // through "</A>"
  bool TakeSub(std::string& s);      // up to "</SUB>", trimmed, then "</SUB>"
  bool TakeSup(std::string& s);      // up to "</SUP>", trimmed, then "</SUP>"
  // Completes a comment cut at an inner ">": appends through the next "-->" unless `s` already
  // ends with "-->".
  bool TakeComment(std::string& s);

  // The formula file's text; MathPos (entries of kind "0") and MathPos2 (all other kinds) start
  // at 0 and are positioned by the caller.
  void SetMathText(std::string text);
  std::string_view MathText() const { return math_text_; }
  size_t MathPos() const { return math_pos_; }
  size_t MathPos2() const { return math_pos2_; }
  void SetMathPos(size_t pos) { math_pos_ = pos; }
  void SetMathPos2(size_t pos) { math_pos2_ = pos; }
  // Reads the next entry of `kind`: the text between kind + "!Y>" and the next "<Y;", to whose
  // start the kind's position moves. Returns 1 for an inline formula (second character "("),
  // 2 for a displayed one ("[" or "b"), 0 otherwise; a missing marker gives an empty entry, 0,
  // and no move.
  int ReadMathEntry(char kind, std::string& entry);

 private:
  // Reads the page `path` from `read_from`; errors name `path`.
  void Load(std::string_view path, std::string_view read_from);
  void SetEnd();
  bool ScanTag(size_t& pos, std::string& text, std::string& tag, bool curly_rule);
  void ScanTagText(size_t& pos, std::string& tag);
  bool CopyThrough(std::string_view marker, std::string& s);
  bool CopyTrimmedUpTo(std::string_view marker, std::string& s);
  // FindInPage for a copy-through's end marker, remembering where a marker was found missing.
  std::optional<size_t> FindMarker(std::string_view marker);

  const FileSystem* files_ = nullptr;
  std::string bytes_;
  size_t page_pos_ = 0;
  size_t end_ = 0;  // 0 when the page has no end: every scan stops at once
  size_t closing_end_ = 0;
  bool has_end_ = false;
  size_t tag_start_ = 0;
  std::string scratch_text_;
  std::string scratch_tag_;
  // End markers known to be missing from the given position to the page end: a page of many
  // unclosed comments or scripts is searched to its end once, not once for each of them.
  std::vector<std::pair<std::string_view, size_t>> missing_markers_;

  std::string math_text_;
  size_t math_pos_ = 0;
  size_t math_pos2_ = 0;
};

}  // namespace check_html
