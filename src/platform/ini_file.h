// Settings files under the Windows profile rules: "[Section]" lines, "key=value" lines inside
// them, section and key names compared ignoring case, names and values trimmed of blanks and
// tabs, ";" comment lines and lines without "=" ignored, the first occurrence of a key wins.
// Values are bytes (Windows-1252) and are written unchanged. The text is written with CR LF
// line ends and a blank line between sections, sections and keys in the order of first use;
// comments are not kept.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace check_html {

class IniFile {
 public:
  static IniFile Parse(std::string_view text);

  // Replaces the contents with the file at `path`. Returns whether the file exists; a missing
  // file, or one that cannot be read, leaves the settings empty so every read gives its default.
  bool Load(const FileSystem& files, std::string_view path);
  FileStatus Save(FileSystem& files, std::string_view path) const;
  std::string Serialize() const;

  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // The leading whole number of the value, an optional sign included ("12abc" gives 12); the
  // default when the key is missing or the value does not begin with a digit. Numbers beyond
  // the int range are clamped to it.
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;
  // ReadInteger != 0, with the default when the key is missing or not a number.
  bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Written as 1 or 0.
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;  // key as first written, value
    std::unordered_map<std::string, size_t> index;             // folded key -> entry
  };

  const std::string* FindValue(std::string_view section, std::string_view key) const;
  Section& SectionFor(std::string_view section);
  // Adds the key unless it is there already; with `replace` an existing value is overwritten.
  void Put(Section& section, std::string_view key, std::string_view value, bool replace);

  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> section_index_;  // folded name -> section
};

}  // namespace check_html
