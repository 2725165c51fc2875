// The pipe framework's failures. EPipeError is an ordinary error carrying one of the framework's
// texts. EBrokenPipe says the other end has closed the pipe: it carries nothing and is not an
// ordinary error, so only handlers written for it catch it.
#pragma once

#include <stdexcept>
#include <cstdarg>
#include <string>

namespace check_html {

class EPipeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EBrokenPipe {};

// printf-like formatting of the framework's texts (%s with const char*, %d, %u).
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same for a va_list, for the other printf-like entry points (PostFmt, AddLineFmt).
std::string FormatTextV(const char* format, va_list args);

// For the texts formatted in two steps ("Unable to open pipe %s. %%s"): `subject` goes into the
// first %s, then the system's text for `error` into the %s that "%%s" left.
std::string FormatWithError(const char* format, const std::string& subject, int error);

// The class name an error is reported under: "EPipeError" for the framework's errors,
// "Exception" for every other.
const char* ErrorClassName(const std::exception& error);

}  // namespace check_html
