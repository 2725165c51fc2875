// The page writer: builds one output file in memory and writes it in one piece. Text gathers on a
// pending line (OutLine); a pending line longer than 120 bytes is broken, preferably in front of
// a closing tag or between two tags, so rewritten pages keep short lines. Lines end with a
// single line feed; the bytes are written as they are. The last-resort cut at a blank never falls
// inside a quoted attribute value, so a written name or link keeps its blanks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace check_html {

class FileSystem;

// Where a byte of the output stands: in text, inside a tag, or inside a tag's quoted value. A tag
// runs from "<" to the next ">" (as the reader cuts it), a value between two double quotes.
enum class Markup : uint8_t { kText, kTag, kValue };

// What a stretch of output does to the markup state: `after[s]` is the state behind the stretch
// when it began in state s. Lets a line be scanned once while the state it begins in may still
// change (text appended raw in front of it).
struct MarkupEffect {
  std::array<Markup, 3> after{Markup::kText, Markup::kTag, Markup::kValue};

  void Add(char c);
  Markup From(Markup start) const { return after[static_cast<size_t>(start)]; }
};

class PageWriter {
 public:
  explicit PageWriter(FileSystem& files) : files_(files) {}

  const std::string& OutName() const { return out_name_; }
  // The finished text: every completed line ends with one line feed.
  const std::string& OutText() const { return out_text_; }
  // The pending line, not yet part of OutText.
  const std::string& OutLine() const { return out_line_; }
  size_t OutLineLen() const { return out_line_.size(); }

  // Starts a new output file `name` with empty text.
  void BeginOutput(std::string name);
  // Appends to the pending line and breaks it while it is longer than 120 bytes.
  void WriteText(std::string_view text);
  // WriteText, then ends the pending line.
  void WriteLine(std::string_view text);
  // Ends the pending line unless it holds only spaces and control characters (then it is
  // dropped), then adds `text` as a line of its own.
  void WriteOwnLine(std::string_view text);
  // As WriteOwnLine, but `text` gets no line feed.
  void WriteRaw(std::string_view text);
  // Appends to OutText directly; the pending line is untouched.
  void AppendRaw(std::string_view text);
  // Continues the pending line with `text` exactly as given, never folded or broken: the
  // pending line and `text` become part of OutText and the next line starts after it.
  void WriteVerbatim(std::string_view text);
  // Writes OutText (not the pending line) to OutName and empties it. A file that cannot be
  // created throws FileError(kCannotOpenText), a failed write FileError(kWriteMappingText). An
  // empty OutText leaves an empty file and throws FileError(kWriteMappingText), as a write
  // through a file mapping of zero bytes always did.
  void SaveOutput();

 private:
  void BreakLongLine();
  size_t FindBlankCut(std::string_view line);
  Markup TextMarkup();
  void EndPendingLine();

  FileSystem& files_;
  std::string out_name_;
  std::string out_text_;
  std::string out_line_;
  // Where the search for a blank cut goes on (1-based; 0: from column 120), and what the pending
  // line's bytes before it do to the markup state. A long line without a blank to cut at is
  // searched once, not again from column 120 for every piece appended.
  size_t blank_search_from_ = 0;
  MarkupEffect blank_search_effect_;
  // The markup state behind OutText's first `text_scanned_` bytes (scanned when needed, once).
  Markup text_markup_ = Markup::kText;
  size_t text_scanned_ = 0;
};

}  // namespace check_html
