#include "shell/unified_diff.h"

#include <algorithm>
#include <vector>

#include <dtl/dtl.hpp>

namespace check_html {
namespace {

constexpr size_t kContext = 3;
// Beyond this many lines on either side dtl keeps its edit path in the compact form.
constexpr size_t kHugeLines = 100000;

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

struct Op {
  char mark;  // ' ', '-' or '+'
  std::string_view line;
};

std::vector<Op> EditScript(const std::vector<std::string_view>& before,
                           const std::vector<std::string_view>& after) {
  dtl::Diff<std::string_view, std::vector<std::string_view>> diff(before, after);
  if (std::max(before.size(), after.size()) > kHugeLines) diff.onHuge();
  diff.compose();
  std::vector<Op> ops;
  for (const auto& [line, info] : diff.getSes().getSequence()) {
    const char mark = info.type == dtl::SES_ADD ? '+' : info.type == dtl::SES_DELETE ? '-' : ' ';
    ops.push_back({mark, line});
  }
  return ops;
}

// "start,length" as diff writes it: a range of one line is its number alone, an empty range
// names the line before it.
std::string Range(size_t first, size_t length) {
  if (length == 0) return std::to_string(first) + ",0";
  if (length == 1) return std::to_string(first + 1);
  return std::to_string(first + 1) + "," + std::to_string(length);
}

void AppendLine(char mark, std::string_view line, std::string& out) {
  out += mark;
  out += line;
  if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

}  // namespace

void AppendHunks(std::string_view before, std::string_view after, std::string& out) {
  if (before == after) return;
  const std::vector<Op> ops = EditScript(Lines(before), Lines(after));
  const size_t n = ops.size();
  // Lines of each side that come before op i.
  std::vector<size_t> old_at(n + 1, 0), new_at(n + 1, 0);
  for (size_t i = 0; i < n; ++i) {
    old_at[i + 1] = old_at[i] + (ops[i].mark != '+' ? 1 : 0);
    new_at[i + 1] = new_at[i] + (ops[i].mark != '-' ? 1 : 0);
  }
  size_t i = 0;
  while (i < n) {
    size_t change = i;
    while (change < n && ops[change].mark == ' ') ++change;
    if (change == n) break;
    const size_t begin = std::max(i, change >= kContext ? change - kContext : 0);
    size_t last = change;
    // Changes closer than twice the context share one hunk.
    for (size_t j = change + 1; j < n;) {
      if (ops[j].mark != ' ') {
        last = j++;
        continue;
      }
      size_t k = j;
      while (k < n && ops[k].mark == ' ') ++k;
      if (k == n || k - j > 2 * kContext) break;
      j = k;
    }
    const size_t end = std::min(n, last + 1 + kContext);
    out += "@@ -" + Range(old_at[begin], old_at[end] - old_at[begin]) + " +" +
           Range(new_at[begin], new_at[end] - new_at[begin]) + " @@\n";
    for (size_t k = begin; k < end; ++k) AppendLine(ops[k].mark, ops[k].line, out);
    i = end;
  }
}

}  // namespace check_html
