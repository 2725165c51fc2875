#include "ui/qt_text.h"

#include <charconv>
#include <iterator>

namespace check_html {

QString ToQt(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

std::optional<int32_t> WholeNumber(std::string_view text) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+' && std::next(first) != last && *std::next(first) != '-') {
    ++first;
  }
  int32_t value = 0;
  auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace check_html
