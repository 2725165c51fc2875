#include "comm/pipe_switch.h"

#include <gtest/gtest.h>

#include <string>

#include "comm/stream/pipe_errors.h"
#include "comm/stream/test_comp.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

class PipeSwitching : public ::testing::Test {
 protected:
  PipeFolderForTest folder_;
  TestWindow window_;
  PageLists lists_;
  PipeSwitch switch_{lists_, window_.AddLine(), window_.Post()};
};

TEST_F(PipeSwitching, ChoosingServerTwiceKeepsOneServerAndNonEndsItsClients) {
  switch_.SelectServer();
  TServerPipe* const server = switch_.Server();
  switch_.SelectServer();
  EXPECT_EQ(switch_.Server(), server);
  EXPECT_TRUE(server->Active());
  EXPECT_EQ(server->ThreadCount(), 1u);
  PageLists fetched;
  TClientPipe client(fetched);
  client.SetPipeName("html_2_pdf");
  client.SetActive(true);

  switch_.SelectNon();
  EXPECT_EQ(switch_.Server(), nullptr);
  EXPECT_TRUE(Eventually([&] { return !client.Active(); }));
  std::unique_ptr<TComponent> result;
  EXPECT_THROW(client.ExecuteWait(MakeTestRequest(-1, 0), result), EPipeError);
}

TEST_F(PipeSwitching, AServerWhosePipeCannotBeCreatedStaysInactive) {
  PageLists others;
  TServerPipe other(others);
  other.SetPipeName("html_2_pdf");
  other.SetActive(true);
  try {
    switch_.SelectServer();
    ADD_FAILURE() << "no error";
  } catch (const std::exception& error) {  // the pipe's creation fails with an ordinary error
    EXPECT_STREQ(ErrorClassName(error), "Exception");
    std::unique_ptr<PipeListener> second;
    const PipeStatus taken = PipeListener::Create("\\\\.\\pipe\\html_2_pdf", second);
    EXPECT_EQ(error.what(), "CreateNamedPipe failed. " + SystemErrorText(taken.error));
  }
  ASSERT_NE(switch_.Server(), nullptr);
  EXPECT_FALSE(switch_.Server()->Active());
  other.SetActive(false);
  switch_.SelectServer();  // the name is free again
  EXPECT_TRUE(switch_.Server()->Active());
}

TEST_F(PipeSwitching, ClientFetchesTheCleanedPageListInTwoExchanges) {
  PageLists served;
  FillList(served.CleanedList, "Kesta", 2);
  TServerPipe server(served, RunInline);
  server.SetPipeName("html_2_pdf");
  server.SetActive(true);

  switch_.SelectClient();
  ASSERT_TRUE(window_.WaitForLine("Test thread ending", 2));
  switch_.SelectNon();
  window_.Drain();
  std::vector<std::string> lines = window_.Lines();
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2),
            (std::vector<std::string>{"Creating sending thread 1", "Thread 1 created"}));
  for (const char* line : {"\"Child fNo sent to client\"", "\"Child 1 sent to client\"", "Kesta",
                           "kap1/backbone/p1.html", "kap2/backbone/p2.html"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
  EXPECT_EQ(lists_.CleanedList.Snapshot(), served.CleanedList.Snapshot());
}

}  // namespace
}  // namespace check_html
