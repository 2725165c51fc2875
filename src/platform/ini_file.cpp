#include "platform/ini_file.h"

#include <algorithm>
#include <climits>

#include "platform/case_map.h"

namespace check_html {
namespace {

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The next line of `text` from `pos`, without its LF or CR LF; moves `pos` past it.
std::string_view NextLine(std::string_view text, size_t& pos) {
  size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(pos, end - pos);
  pos = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool ParseLeadingInteger(std::string_view text, int& value) {
  size_t pos = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return false;
  // Counted one past INT_MAX at most, so that INT_MIN stays reachable and nothing overflows.
  constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
  long long magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = std::min(magnitude * 10 + (text[pos] - '0'), kLimit);
  }
  value = static_cast<int>(negative ? -magnitude : std::min(magnitude, kLimit - 1));
  return true;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  Section* current = nullptr;  // taken anew at every section line, before any other is added
  size_t pos = 0;
  while (pos < text.size()) {
    std::string_view line = Trim(NextLine(text, pos));
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      current = &ini.SectionFor(Trim(line.substr(1, close == line.npos ? line.npos : close - 1)));
      continue;
    }
    size_t equals = line.find('=');
    if (current == nullptr || equals == line.npos) continue;
    std::string_view key = Trim(line.substr(0, equals));
    if (!key.empty()) ini.Put(*current, key, Trim(line.substr(equals + 1)), false);
  }
  return ini;
}

bool IniFile::Load(const FileSystem& files, std::string_view path) {
  *this = IniFile();
  if (!files.Exists(path) || files.IsFolder(path)) return false;
  std::string text;
  if (files.ReadFile(path, text) == FileStatus::kOk) *this = Parse(text);
  return true;
}

FileStatus IniFile::Save(FileSystem& files, std::string_view path) const {
  return files.WriteFile(path, Serialize());
}

std::string IniFile::Serialize() const {
  std::string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + section.name + "]\r\n";
    for (const auto& [key, value] : section.entries) text += key + "=" + value + "\r\n";
  }
  return text;
}

bool IniFile::HasSection(std::string_view section) const {
  return section_index_.count(LowerCase(Trim(section))) != 0;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return FindValue(section, key) != nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? *value : std::string(default_value);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key,
                         int default_value) const {
  const std::string* text = FindValue(section, key);
  int value = 0;
  return text != nullptr && ParseLeadingInteger(*text, value) ? value : default_value;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key,
                       bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key,
                          std::string_view value) {
  Put(SectionFor(Trim(section)), Trim(key), value, true);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

const std::string* IniFile::FindValue(std::string_view section, std::string_view key) const {
  auto found_section = section_index_.find(LowerCase(Trim(section)));
  if (found_section == section_index_.end()) return nullptr;
  const Section& entries = sections_[found_section->second];
  auto found_key = entries.index.find(LowerCase(Trim(key)));
  if (found_key == entries.index.end()) return nullptr;
  return &entries.entries[found_key->second].second;
}

IniFile::Section& IniFile::SectionFor(std::string_view section) {
  auto [it, inserted] = section_index_.emplace(LowerCase(section), sections_.size());
  if (inserted) sections_.push_back(Section{std::string(section), {}, {}});
  return sections_[it->second];
}

void IniFile::Put(Section& section, std::string_view key, std::string_view value,
                  bool replace) {
  auto [it, inserted] = section.index.emplace(LowerCase(key), section.entries.size());
  if (inserted) {
    section.entries.emplace_back(std::string(key), std::string(value));
  } else if (replace) {
    section.entries[it->second].second = value;
  }
}

}  // namespace check_html
