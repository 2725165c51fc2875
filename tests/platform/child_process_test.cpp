// Child processes, with the program itself as the child: its exit code and output come back,
// and a program that does not exist is reported instead of started.
#include "platform/child_process.h"

#include <gtest/gtest.h>

#include "../app/sample_site_run.h"

namespace check_html {
namespace {

TEST(ChildProcess, GivesTheExitCodeAndTheOutputOfTheProgram) {
  TempFolder temp;
  const std::string output = temp.Path() + "/out.txt";
  const struct {
    std::vector<std::string> arguments;
    int code;
    std::string output_begins;
  } cases[] = {
      {{"--help"}, 0, "usage:\n"},
      {{"--batch", "--no-such-option"}, 2, "check_html: "},
  };
  for (const auto& c : cases) {
    ChildProcess child(CHECK_HTML_PROGRAM, c.arguments, output);
    ASSERT_TRUE(child.Started()) << child.StartError();
    const ChildEnd end = child.Wait(std::stop_token(), std::chrono::milliseconds(10));
    EXPECT_EQ(end.how, ChildEnd::How::kExited);
    EXPECT_EQ(end.code, c.code);
    EXPECT_TRUE(ReadWhole(output).starts_with(c.output_begins)) << ReadWhole(output);
  }
  ChildProcess missing(temp.Path() + "/no_program", {});
  EXPECT_FALSE(missing.Started());
  EXPECT_NE(missing.StartError(), "");
}

}  // namespace
}  // namespace check_html
