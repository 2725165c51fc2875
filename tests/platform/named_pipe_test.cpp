#include "platform/named_pipe.h"
#include "platform/named_pipe_socket.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "../comm/pipe_test_support.h"
#include "platform/named_pipe_path.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;

TEST(NamedPipePath, SplitsServerAndNameAndRefusesNamesThatAreNoFileName) {
  const struct {
    std::string path, server, name;  // server empty: refused
  } cases[] = {
      {"\\\\.\\pipe\\html_2_pdf", ".", "html_2_pdf"},
      {"\\\\.\\PIPE\\NuvInbound12", ".", "NuvInbound12"},
      {"\\\\host\\pipe\\a\\b", "host", "a\\b"},
      {"\\\\.\\pipe\\..", "", ""},
      {"\\\\.\\pipe\\../x", "", ""},
      {std::string("\\\\.\\pipe\\a\0b", 12), "", ""},
      {"html_2_pdf", "", ""},
  };
  for (const auto& c : cases) {
    PipeNameParts parts;
    EXPECT_EQ(SplitPipePath(c.path, parts), !c.server.empty()) << c.path;
    EXPECT_EQ(parts.server, c.server);
    EXPECT_EQ(parts.name, c.name);
  }
}

TEST(NamedPipe, KeepsItsSocketsInAPrivateFolderOfTheUser) {
  PipeFolderForTest folder;
  std::string socket_path;
  ASSERT_TRUE(SocketPathOf("\\\\.\\pipe\\x", socket_path).ok());
  EXPECT_EQ(socket_path, folder.Path() + "/check_html-pipes/x");
  struct stat info;
  ASSERT_EQ(stat((folder.Path() + "/check_html-pipes").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(SocketPathOf("\\\\other\\pipe\\x", socket_path).error, EHOSTUNREACH);
  EXPECT_EQ(SocketPathOf("\\\\.\\pipe\\" + std::string(200, 'n'), socket_path).error, ENAMETOOLONG);
  chmod((folder.Path() + "/check_html-pipes").c_str(), 0755);  // others could enter
  EXPECT_EQ(SocketPathOf("\\\\.\\pipe\\x", socket_path).error, EACCES);
}

TEST(NamedPipe, ANameHeldByALiveServerIsRefusedAndOneLeftBehindIsTaken) {
  PipeFolderForTest folder;
  std::unique_ptr<PipeListener> first, second;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\p", first).ok());
  EXPECT_EQ(PipeListener::Create("\\\\.\\pipe\\p", second).error, EADDRINUSE);
  // Keep the socket file of a listener that goes, as a crashed program leaves it.
  std::string socket_path;
  SocketPathOf("\\\\.\\pipe\\p", socket_path);
  ASSERT_EQ(link(socket_path.c_str(), (socket_path + ".kept").c_str()), 0);
  first.reset();
  ASSERT_EQ(rename((socket_path + ".kept").c_str(), socket_path.c_str()), 0);
  EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\p", second).ok());
  std::unique_ptr<PipeStream> client;
  EXPECT_TRUE(ConnectPipe("\\\\.\\pipe\\p", client).ok());
  EXPECT_EQ(ConnectPipe("\\\\.\\pipe\\q", client).error, ENOENT);
}

TEST(NamedPipe, ShutdownWakesBlockedCallsAndWaitsEndOnTime) {
  PipeFolderForTest folder;
  std::unique_ptr<PipeStream> near, far;
  ASSERT_TRUE(MakePipePair(near, far).ok());
  uid_t uid = 1;
  ASSERT_TRUE(near->PeerUserId(uid));
  EXPECT_EQ(uid, OwnUserId());
  EXPECT_EQ(near->WaitReadable(50).error, ETIMEDOUT);
  auto read = std::async(std::launch::async, [&] {
    char byte;
    return near->ReadExact(&byte, 1);
  });
  std::this_thread::sleep_for(50ms);
  near->Shutdown();
  ASSERT_EQ(read.wait_for(2s), std::future_status::ready);
  EXPECT_TRUE(read.get().broken());
  EXPECT_TRUE(near->WriteAll("x").broken());

  std::unique_ptr<PipeListener> listener;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\l", listener).ok());
  std::unique_ptr<PipeStream> none;
  EXPECT_EQ(listener->Accept(none, 50).error, ETIMEDOUT);
  EXPECT_TRUE(listener->Accept(none, 2000, far.get()).broken());  // its peer has gone
  auto accepted = std::async(std::launch::async, [&] { return listener->Accept(none); });
  std::this_thread::sleep_for(50ms);
  listener->Shutdown();
  ASSERT_EQ(accepted.wait_for(2s), std::future_status::ready);
  EXPECT_EQ(accepted.get().error, ECANCELED);
  EXPECT_EQ(listener->Accept(none).error, ECANCELED);
}

}  // namespace
}  // namespace check_html
