#include "comm/client_pipe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "comm/pipe_coding.h"
#include "comm/pipe_errors.h"
#include "comm/pipe_message.h"
#include "comm/test_comp.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// A server that speaks the protocol by hand for one client and then runs `script` with the
// client's main pipe (to write) and inbound pipe (to read).
class ScriptedServer {
 public:
  using Script = std::function<void(PipeStream& main, PipeStream& inbound)>;

  explicit ScriptedServer(Script script) {
    EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\scripted", listener_).ok());
    EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\scripted_in", inbound_listener_).ok());
    thread_ = std::thread([this, script = std::move(script)] {
      std::unique_ptr<PipeStream> main, inbound;
      if (!listener_->Accept(main, 5000).ok()) return;
      std::string announcement;
      PutShortString(announcement, "scripted_in");
      main->WriteAll(announcement);
      if (!inbound_listener_->Accept(inbound, 5000).ok()) return;
      script(*main, *inbound);
    });
  }
  ~ScriptedServer() { thread_.join(); }

 private:
  std::unique_ptr<PipeListener> listener_;
  std::unique_ptr<PipeListener> inbound_listener_;
  std::thread thread_;
};

// Reads one request and returns its id.
int32_t ReadRequest(PipeStream& inbound) {
  return DecodeMessageBody(ReadMessageBody(inbound)).id;
}

TTestComp Answer(int32_t code) {
  TTestComp answer;
  answer.PCode = code;
  return answer;
}

class ClientPipe : public ::testing::Test {
 protected:
  ClientPipe() {
    client_.OnMessage = window_.AddLine();
    client_.SetPipeName("scripted");
    client_.ResultTimeout = 5000;
  }

  std::string Wait(int32_t code) {
    std::unique_ptr<TComponent> result;
    try {
      client_.ExecuteWait(MakeTestRequest(code, 0), result);
    } catch (const EPipeError& error) {
      return error.what();
    }
    return "PCode " + std::to_string(dynamic_cast<TTestComp&>(*result).PCode);
  }

  PipeFolderForTest folder_;
  TestWindow window_;
  TClientPipe client_{window_.Post()};
};

TEST_F(ClientPipe, RefusesRequestsWhileInactiveAndReportsAMissingServer) {
  EXPECT_EQ(Wait(-1), "Client pipe is not active");
  const auto error = [&] {
    try {
      client_.SetActive(true);
    } catch (const EPipeError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(error(), "WaitNamedPipe failed on \\\\.\\pipe\\scripted. No such file or directory");
  client_.ServerName = "elsewhere";
  EXPECT_EQ(error(), "WaitNamedPipe failed on \\\\elsewhere\\pipe\\scripted. No route to host");
  EXPECT_FALSE(client_.Active());
}

TEST_F(ClientPipe, LogsAndDropsAResultThatMatchesNoTransaction) {
  ScriptedServer server([](PipeStream& main, PipeStream& inbound) {
    const int32_t id = ReadRequest(inbound);
    main.WriteAll(EncodeMessage(id + 40, Answer(7)));
    main.WriteAll(EncodeMessage(id, Answer(9)));
    char byte;
    inbound.ReadExact(&byte, 1);  // until the client has gone
  });
  client_.SetActive(true);
  EXPECT_EQ(Wait(-3), "PCode 9");
  EXPECT_TRUE(window_.WaitForLine("Unable to find transaction 41"));
  client_.SetActive(false);
}

TEST_F(ClientPipe, AServerThatGoesAwayEndsTheWaitAndDeactivatesTheClient) {
  ScriptedServer server([](PipeStream&, PipeStream& inbound) { ReadRequest(inbound); });
  client_.SetActive(true);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Wait(-1), "Pipe closed before the result of transaction 1");
  EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
  EXPECT_FALSE(client_.Active());
  EXPECT_EQ(Wait(-1), "Client pipe is not active");
}

TEST_F(ClientPipe, AMalformedResultEndsTheConnectionWithItsReason) {
  ScriptedServer server([](PipeStream& main, PipeStream& inbound) {
    const int32_t id = ReadRequest(inbound);
    // A count that no list can hold.
    TTestComp count = Answer(1);
    main.WriteAll(EncodeMessage(id, count, "\x00\x20\x00\x00"s));
    char byte;
    inbound.ReadExact(&byte, 1);
  });
  client_.SetActive(true);
  EXPECT_EQ(Wait(-1), "Pipe closed before the result of transaction 1");
  EXPECT_TRUE(window_.WaitForLine("Invalid data block"));
  EXPECT_FALSE(client_.Active());
}

}  // namespace
}  // namespace check_html
