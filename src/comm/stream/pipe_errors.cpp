#include "comm/stream/pipe_errors.h"

#include <cstdarg>
#include <cstdio>

#include "platform/named_pipe.h"

namespace check_html {

std::string FormatTextV(const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, again);
  va_end(again);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatTextV(format, args);
  va_end(args);
  return text;
}

std::string FormatWithError(const char* format, const std::string& subject, int error) {
  // A "%" in the subject must stay a plain character in the second step.
  std::string escaped;
  for (char c : subject) escaped += c == '%' ? std::string("%%") : std::string(1, c);
  const std::string first = FormatText(format, escaped.c_str());
  std::string text;
  const std::string error_text = SystemErrorText(error);
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (first[i] == '%' && i + 1 < first.size() && first[i + 1] == 's') {
      text += error_text;
      ++i;
    } else if (first[i] == '%' && i + 1 < first.size() && first[i + 1] == '%') {
      text += '%';
      ++i;
    } else {
      text += first[i];
    }
  }
  return text;
}

const char* ErrorClassName(const std::exception& error) {
  return dynamic_cast<const EPipeError*>(&error) != nullptr ? "EPipeError" : "Exception";
}

}  // namespace check_html
