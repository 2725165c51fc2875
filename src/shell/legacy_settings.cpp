#include "shell/legacy_settings.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>


namespace check_html {
namespace {

constexpr size_t kLineCount = 21;

// Lines end at CR LF, LF or CR, as a text file is read line by line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size() && lines.size() < kLineCount) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  lines.resize(kLineCount);
  return lines;
}

// A whole number between optional blanks, with an optional sign.
std::optional<int32_t> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 9) return std::nullopt;
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

void ReadFlag(const std::string& line, bool& flag) {
  if (std::optional<int32_t> number = WholeNumber(line)) flag = *number != 0;
}

void ReadFlag(const std::string& line, std::atomic<bool>& flag) {
  if (std::optional<int32_t> number = WholeNumber(line)) flag = *number != 0;
}

}  // namespace

void ReadLegacySettings(std::string_view text, Settings& settings, Options& options) {
  std::vector<std::string> line = SplitLines(text);
  // line[n - 1] holds line n of the file.
  settings.StartDir = line[0];
  settings.StartFile = line[1];
  settings.SaveDir = line[2];
  settings.SavePrefix = line[3];
  ReadFlag(line[4], settings.BindBack);
  ReadFlag(line[5], settings.BindNoBack);
  ReadFlag(line[6], options.BakClear);
  ReadFlag(line[8], options.Set_to_English);
  ReadFlag(line[11], options.Clear_Anc);
  if (std::optional<int32_t> days = WholeNumber(line[12])) options.Old_Days = *days;
  ReadFlag(line[13], options.Look_For_SubPath);
  ReadFlag(line[17], options.for_mathjax);
  settings.SaveProjectname = line[18];
  ReadFlag(line[20], options.tex_html);
}

}  // namespace check_html
