#include "comm/server/server_pipe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "comm/client/client_pipe.h"
#include "comm/stream/component_registry.h"
#include "comm/stream/test_comp.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// Answers after PData milliseconds with a TTestComp carrying the same PData, so a test can make
// the server answer in another order than it was asked.
class TSlowEcho : public TExecutable {
 public:
  std::string ClassName() const override { return "TSlowEcho"; }
  void Execute(ComponentHost&, std::unique_ptr<TComponent>& result, int32_t&,
               const TMessageProc&) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(PData));
    auto answer = std::make_unique<TTestComp>();
    answer->PData = PData;
    result = std::move(answer);
  }
};

class PipeServing : public ::testing::Test {
 protected:
  PipeServing() {
    FillList(served_.BackboneList, "Kesta", 12);
    FillList(served_.CleanedList, "Kesta", 3);
    server_ = std::make_unique<TServerPipe>(served_, window_.Post());
    server_->OnMessage = window_.AddLine();
    server_->SetPipeName("test_pipe");
  }

  std::unique_ptr<TClientPipe> NewClient(int32_t connect_timeout = 0) {
    return MakeClient(fetched_, client_window_, "test_pipe", connect_timeout);
  }

  std::string User() const { return OwnUserName(); }

  PipeFolderForTest folder_;
  TestWindow window_, client_window_;
  PageLists served_, fetched_;
  std::unique_ptr<TServerPipe> server_;
};

TEST_F(PipeServing, AnswersTheFourRequestCodesAndAnUnknownOneAlsoAsynchronously) {
  server_->SetActive(true);
  {
    auto client = NewClient();
    client->SetActive(true);
    // An asynchronous result reaches its callback on the window thread.
    std::promise<std::pair<std::string, bool>> called;
    client->ExecuteAsync(MakeTestRequest(-1, 0), [&](TComponent& result) {
      called.set_value({Describe(result), std::this_thread::get_id() == client_window_.ThreadId()});
    });
    auto future = called.get_future();
    ASSERT_EQ(future.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(future.get(), std::make_pair("1 12 Child rNo sent to client"s, true));
    EXPECT_EQ(Ask(*client, -2, 1), "2 1 Child 1 sent to client");
    EXPECT_EQ(Ask(*client, -3, 0), "3 3 Child fNo sent to client");
    EXPECT_EQ(Ask(*client, -4, 1), "4 1 Child 1 sent to client");
    EXPECT_EQ(Ask(*client, 5, 0), "0 0 ");
    EXPECT_EQ(fetched_.BackboneList.Snapshot(), served_.BackboneList.Snapshot());
    EXPECT_EQ(fetched_.CleanedList.Snapshot(), served_.CleanedList.Snapshot());
  }
  ASSERT_TRUE(window_.WaitForLine(User() + " has disconnected"));
  std::vector<std::string> expected{User() + " has connected"};
  for (const char* logged : {"\"Send Child No\"", "\"Send Child 1\"", "<no message>",
                             "<no message>", "<no message>"}) {
    const std::string id = std::to_string(expected.size() / 3 + 1);
    expected.insert(expected.end(), {id + ": TTestComp received", logged,
                                     id + ": Sending result TTestComp"});
  }
  expected.push_back(User() + " has disconnected");
  EXPECT_EQ(window_.Lines(), expected);
}

TEST_F(PipeServing, AComponentThatIsNotExecutableGetsNoAnswerAndTheConnectionGoesOn) {
  server_->SetActive(true);
  auto client = NewClient();
  client->ResultTimeout = 300;
  client->SetActive(true);
  auto failure = std::make_unique<TExceptionResult>();
  failure->Message = "from the client";
  std::unique_ptr<TComponent> result;
  EXPECT_EQ(ErrorOf([&] { client->ExecuteWait(std::move(failure), result); }),
            "No result for transaction 1 within 300 ms");
  EXPECT_TRUE(window_.WaitForLine("Component is not executable"));
  EXPECT_EQ(Ask(*client, -3, 0), "3 3 Child fNo sent to client");
  const auto lines = window_.Lines();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 3),
            (std::vector<std::string>{"1: TExceptionResult received", "Component is not executable"}));
}

TEST_F(PipeServing, TwoWaitingCallersGetTheirOwnResultsWhateverOrderTheyComeIn) {
  server_->Classes.Register("TSlowEcho", [] { return std::unique_ptr<TComponent>(new TSlowEcho); });
  server_->SetActive(true);
  auto client = NewClient();
  client->SetActive(true);
  auto ask = [&](int32_t delay) {
    auto request = std::make_unique<TSlowEcho>();
    request->PData = delay;
    std::unique_ptr<TComponent> result;
    client->ExecuteWait(std::move(request), result);
    return dynamic_cast<TTestComp&>(*result).PData;
  };
  auto slow = std::async(std::launch::async, ask, 1000);
  ASSERT_TRUE(window_.WaitForLine("1: TSlowEcho received"));
  auto quick = std::async(std::launch::async, ask, 10);
  EXPECT_EQ(quick.get(), 10);
  EXPECT_EQ(slow.wait_for(0ms), std::future_status::timeout);  // answered out of order
  EXPECT_EQ(slow.get(), 1000);
}

TEST_F(PipeServing, APeerOfAnotherUserIsRefused) {
  server_->ServedUserId = OwnUserId() + 1;
  server_->SetActive(true);
  auto client = NewClient();
  EXPECT_EQ(ErrorOf([&] { client->SetActive(true); }),
            "Unable to open pipe \\\\.\\pipe\\test_pipe. " + SystemErrorText(PipeBroken().error));
  EXPECT_FALSE(client->Active());
  EXPECT_TRUE(window_.WaitForLine("Refused a client of user id " + std::to_string(OwnUserId())));
}

TEST_F(PipeServing, StoppingWhileAResultWaitsForTheBusyWindowThreadEndsTheWaitingCaller) {
  server_->SetActive(true);
  window_.Pause();
  auto client = NewClient();
  client->SetActive(true);
  auto asked = std::async(std::launch::async, [&] { return Ask(*client, -2, 1); });
  // Connected, received, its message, sending, and the call for the data block.
  ASSERT_TRUE(window_.WaitForQueued(5));
  server_->SetActive(false);  // returns although the window thread cannot take the call
  ASSERT_EQ(asked.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(asked.get(), "Pipe closed before the result of transaction 1");
  EXPECT_FALSE(client->Active());
  window_.Resume();
}

// The one instance (MaxConnections 1) ends a connection that sends what a TClientPipe never
// would (the client here speaks the protocol by hand), and serves the waiting clients in turn.
TEST_F(PipeServing, WithOneInstanceAMalformedMessageEndsOnlyItsConnectionAndClientsWaitTheirTurn) {
  server_->SetActive(true);
  const struct {
    std::string bytes, logged;
  } cases[] = {
      {"\x01\x00\x00\x01"s, "Invalid message length 16777217"},
      {"\x11\x00\x00\x00\x07\x00\x00\x00TPF0\x05TNope\x00\x00\x00"s, "Class TNope not found"},
      {"\x09\x00\x00\x00\x01\x00\x00\x00TPF0X"s, "Invalid stream format"},
  };
  for (const auto& c : cases) {
    std::unique_ptr<PipeStream> main, inbound;
    ASSERT_TRUE(ConnectPipe("\\\\.\\pipe\\test_pipe", main, PipeDirection::kOutbound).ok());
    uint8_t size = 0;
    ASSERT_TRUE(main->ReadExact(&size, 1).ok());
    std::string name(size, '\0');
    ASSERT_TRUE(main->ReadExact(name.data(), size).ok());
    ASSERT_TRUE(ConnectPipe("\\\\.\\pipe\\" + name, inbound, PipeDirection::kInbound).ok());
    inbound->WriteAll(c.bytes);
    EXPECT_TRUE(window_.WaitForLine(c.logged)) << c.logged;
    char byte = 0;  // the server has closed the connection
    EXPECT_TRUE(main->WaitReadable(1000).ok() && main->ReadExact(&byte, 1).broken()) << c.logged;
  }

  auto first = NewClient();
  first->SetActive(true);
  EXPECT_EQ(Ask(*first, -1, 0), "1 12 Child rNo sent to client");
  auto impatient = NewClient(200);
  EXPECT_EQ(ErrorOf([&] { impatient->SetActive(true); }),
            "WaitNamedPipe failed on \\\\.\\pipe\\test_pipe. " + SystemErrorText(PipeTimedOut().error));
  auto patient = NewClient(5000);
  auto connected = std::async(std::launch::async, [&] { patient->SetActive(true); });
  EXPECT_EQ(connected.wait_for(300ms), std::future_status::timeout);
  first->SetActive(false);
  ASSERT_EQ(connected.wait_for(5s), std::future_status::ready);
  connected.get();
  EXPECT_EQ(Ask(*patient, -3, 0), "3 3 Child fNo sent to client");
  // The three ended connections and the first client's logged their end.
  EXPECT_TRUE(window_.WaitForLine(User() + " has disconnected", 4));
  EXPECT_EQ(server_->ThreadCount(), 1u);
}

}  // namespace
}  // namespace check_html
