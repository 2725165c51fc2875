#include "run/run_context.h"

#include <exception>

namespace check_html {
namespace {

constexpr size_t kStatusWidth = 255;

}  // namespace

RunContext::RunContext(const RunEnvironment& environment)
    : Opts(environment.options),
      Lists(environment.lists),
      Reader(environment.files),
      Writer(environment.files),
      environment_(environment) {}

void RunContext::LogLine(const std::string& text) { FrontEnd().LogLine(text); }

void RunContext::ShowStatus(const std::string& text) {
  FrontEnd().ShowStatus(text.substr(0, kStatusWidth));
}

void RunContext::Synchronize(const std::function<void()>& call) {
  std::exception_ptr error;
  FrontEnd().Synchronize([&call, &error] {
    try {
      call();
    } catch (...) {
      error = std::current_exception();
    }
  });
  if (error) std::rethrow_exception(error);
}

std::string RunContext::ReportPath(const std::string& file_name) const {
  return SaveDir + "\\" + file_name;
}

}  // namespace check_html
