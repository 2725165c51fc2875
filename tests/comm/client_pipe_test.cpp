#include "comm/client/client_pipe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_message.h"
#include "comm/stream/test_comp.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// A server that speaks the protocol by hand for one client: it reads one request, writes
// reply(request id) and keeps the connection until the client goes; an empty reply closes it.
class ScriptedServer {
 public:
  explicit ScriptedServer(std::function<std::string(int32_t)> reply) {
    EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\scripted", listener_).ok());
    EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\scripted_in", inbound_listener_).ok());
    thread_ = std::thread([this, reply = std::move(reply)] {
      std::unique_ptr<PipeStream> main, inbound;
      if (!listener_->Accept(main, 5000).ok()) return;
      std::string announcement;
      PutShortString(announcement, "scripted_in");
      main->WriteAll(announcement);
      if (!inbound_listener_->Accept(inbound, 5000).ok()) return;
      const std::string bytes = reply(DecodeMessageBody(ReadMessageBody(*inbound)).id);
      if (bytes.empty()) return;
      main->WriteAll(bytes);
      char byte;
      inbound->ReadExact(&byte, 1);
    });
  }
  ~ScriptedServer() { thread_.join(); }

 private:
  std::unique_ptr<PipeListener> listener_, inbound_listener_;
  std::thread thread_;
};

TEST(ClientPipe, RefusesRequestsWhileInactiveAndReportsAMissingServer) {
  PipeFolderForTest folder;
  PageLists lists;
  TClientPipe client(lists, RunInline);
  client.SetPipeName("scripted");
  EXPECT_EQ(Ask(client, -1, 0), "Client pipe is not active");
  // The system's own text for the pipe that is not there.
  for (const std::string server : {"", "elsewhere"}) {
    client.ServerName = server;
    const std::string path = TClientPipe::MakePipeName(server, "scripted");
    std::unique_ptr<PipeStream> none;
    EXPECT_EQ(ErrorOf([&] { client.SetActive(true); }),
              "WaitNamedPipe failed on " + path + ". " +
                  SystemErrorText(ConnectPipe(path, none).error));
  }
  EXPECT_FALSE(client.Active());
}

TEST(ClientPipe, HandlesStrayMalformedAndMissingResultsWithoutWaitingOut) {
  const struct {
    std::function<std::string(int32_t)> reply;
    std::string result, logged;
    bool active_after;
  } cases[] = {
      {[](int32_t id) {
         return EncodeMessage(id + 40, *MakeTestRequest(7, 0)) +
                EncodeMessage(id, *MakeTestRequest(9, 0));
       },
       "9 0 ", "Unable to find transaction 41", true},
      // A count that no list can hold.
      {[](int32_t id) { return EncodeMessage(id, *MakeTestRequest(1, 0), "\x00\x20\x00\x00"s); },
       "Pipe closed before the result of transaction 1", "Invalid data block", false},
      {[](int32_t) { return ""s; }, "Pipe closed before the result of transaction 1", "", false},
  };
  PipeFolderForTest folder;
  for (const auto& c : cases) {
    ScriptedServer server(c.reply);
    TestWindow window;
    PageLists lists;
    const auto client = MakeClient(lists, window, "scripted");
    client->SetActive(true);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(Ask(*client, -1, 0), c.result);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s) << c.result;
    EXPECT_TRUE(c.logged.empty() || window.WaitForLine(c.logged)) << c.logged;
    EXPECT_EQ(client->Active(), c.active_after) << c.logged;
    if (!c.active_after) {
      EXPECT_EQ(Ask(*client, -1, 0), "Client pipe is not active");
    }
    client->SetActive(false);
  }
}

}  // namespace
}  // namespace check_html
