#include "platform/named_pipe.h"

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
    std::string path;
    bool ok;
    std::string server, name;
  } cases[] = {
      {"\\\\.\\pipe\\html_2_pdf", true, ".", "html_2_pdf"},
      {"\\\\.\\PIPE\\NuvInbound12", true, ".", "NuvInbound12"},
      {"\\\\host\\pipe\\a\\b", true, "host", "a\\b"},
      {"\\\\.\\pipe\\", false, "", ""},
      {"\\\\.\\pipe\\..", false, "", ""},
      {"\\\\.\\pipe\\../x", false, "", ""},
      {std::string("\\\\.\\pipe\\a\0b", 12), false, "", ""},
      {"\\\\.\\pip\\x", false, "", ""},
      {"\\\\\\pipe\\x", false, "", ""},
      {"html_2_pdf", false, "", ""},
  };
  for (const auto& c : cases) {
    PipeNameParts parts;
    EXPECT_EQ(SplitPipePath(c.path, parts), c.ok) << c.path;
    if (!c.ok) continue;
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
  // A folder others may enter is not used.
  chmod((folder.Path() + "/check_html-pipes").c_str(), 0755);
  EXPECT_EQ(SocketPathOf("\\\\.\\pipe\\x", socket_path).error, EACCES);
}

TEST(NamedPipe, ANameHeldByALiveServerIsRefusedAndOneLeftBehindIsTaken) {
  PipeFolderForTest folder;
  std::unique_ptr<PipeListener> first, second;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\p", first).ok());
  EXPECT_EQ(PipeListener::Create("\\\\.\\pipe\\p", second).error, EADDRINUSE);
  first.reset();
  // A socket file without a server, as a crashed program leaves it.
  std::unique_ptr<PipeListener> crashed;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\p", crashed).ok());
  std::string socket_path;
  SocketPathOf("\\\\.\\pipe\\p", socket_path);
  const std::string kept = socket_path + ".kept";
  ASSERT_EQ(link(socket_path.c_str(), kept.c_str()), 0);
  crashed.reset();
  ASSERT_EQ(rename(kept.c_str(), socket_path.c_str()), 0);
  EXPECT_TRUE(PipeListener::Create("\\\\.\\pipe\\p", second).ok());
  std::unique_ptr<PipeStream> client;
  EXPECT_TRUE(ConnectPipe("\\\\.\\pipe\\p", client).ok());
  std::unique_ptr<PipeStream> nobody;
  EXPECT_EQ(ConnectPipe("\\\\.\\pipe\\q", nobody).error, ENOENT);
}

TEST(NamedPipe, ShutdownWakesBlockedCallsAndWaitsEndOnTime) {
  PipeFolderForTest folder;
  std::unique_ptr<PipeStream> near, far;
  ConnectedPair("pair", near, far);
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
  auto accepted = std::async(std::launch::async, [&] { return listener->Accept(none); });
  std::this_thread::sleep_for(50ms);
  listener->Shutdown();
  ASSERT_EQ(accepted.wait_for(2s), std::future_status::ready);
  EXPECT_EQ(accepted.get().error, ECANCELED);
  EXPECT_EQ(listener->Accept(none).error, ECANCELED);
}

TEST(NamedPipe, AnAcceptWatchingAConnectionEndsWhenItsPeerGoes) {
  PipeFolderForTest folder;
  std::unique_ptr<PipeStream> near, far;
  ConnectedPair("watched", near, far);
  std::unique_ptr<PipeListener> listener;
  ASSERT_TRUE(PipeListener::Create("\\\\.\\pipe\\inbound", listener).ok());
  far.reset();
  std::unique_ptr<PipeStream> none;
  EXPECT_TRUE(listener->Accept(none, 2000, near.get()).broken());
}

TEST(NamedPipe, ErrorTextsHaveNoFullStop) {
  EXPECT_EQ(SystemErrorText(ETIMEDOUT), "Connection timed out");
  EXPECT_EQ(SystemErrorText(EPIPE), "Broken pipe");
}

}  // namespace
}  // namespace check_html
