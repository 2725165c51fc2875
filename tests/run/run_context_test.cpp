#include "run/run_context.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace check_html {
namespace {

// The status line holds 255 characters; an error raised on the front end's thread comes back.
TEST(RunContextTest, CutsStatusTextsAndPassesErrorsBackFromTheSynchronizedCall) {
  RunParts<> parts;
  parts.run.ShowStatus(std::string(300, 'x'));
  EXPECT_EQ(parts.front_end.Events(), std::vector<std::string>{"status " + std::string(255, 'x')});
  EXPECT_THROW(parts.run.Synchronize([] { throw std::runtime_error("x"); }), std::runtime_error);
  EXPECT_EQ(parts.run.ReportPath("zq_bad.html"), "\\zq_bad.html");
}

}  // namespace
}  // namespace check_html
