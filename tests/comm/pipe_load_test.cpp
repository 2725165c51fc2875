// Many clients at once against a server of two instances: every answer right, and afterwards
// no thread and no descriptor left behind.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "comm/server/server_pipe.h"
#include "pipe_test_support.h"

namespace check_html {
namespace {

std::size_t EntriesOf(const char* folder) {
  const std::filesystem::directory_iterator entries(folder);
  return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(PipeLoad, TwoHundredRequestsFromEightClientsOverTwoInstancesAllAnsweredWithoutLeaks) {
  PipeFolderForTest folder;
  PageLists served;
  FillList(served.BackboneList, "Kesta", 40);
  FillList(served.CleanedList, "Kesta", 25);
  const std::size_t threads_before = EntriesOf("/proc/self/task");
  const std::size_t descriptors_before = EntriesOf("/proc/self/fd");
  {
    TServerPipe server(served, RunInline);
    server.MaxConnections = 2;
    server.SetPipeName("load");
    server.SetActive(true);

    constexpr int kClients = 8;
    constexpr int kRequestsEach = 25;
    std::atomic<int> right{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
      clients.emplace_back([&, c] {
        PageLists fetched;
        TClientPipe client(fetched, RunInline);
        client.StartsTestThreads = false;
        client.ConnectTimeout = 20000;  // six of eight wait for a free instance
        client.ResultTimeout = 10000;
        client.SetPipeName("load");
        EXPECT_EQ(ErrorOf([&] { client.SetActive(true); }), "no error") << "client " << c;
        for (int r = 0; r < kRequestsEach; ++r) {
          const int32_t code = -1 - (c + r) % 4;
          const bool backbone = code >= -2;
          const PageList& list = backbone ? served.BackboneList : served.CleanedList;
          const PageList& got = backbone ? fetched.BackboneList : fetched.CleanedList;
          const int32_t data = code % 2 != 0 ? list.Count() : r;
          const std::string expected = std::to_string(-code) + " " + std::to_string(data) + " ";
          // The answer's PCode and PData, and for a list the whole list fetched.
          if (Ask(client, code, r).starts_with(expected) &&
              (code % 2 != 0 || got.Snapshot() == list.Snapshot())) {
            ++right;
          }
        }
      });
    }
    for (std::thread& client : clients) client.join();
    EXPECT_EQ(right, kClients * kRequestsEach);
  }
  // A joined thread leaves the task list a moment later.
  EXPECT_TRUE(Eventually([&] { return EntriesOf("/proc/self/task") == threads_before; }));
  EXPECT_EQ(EntriesOf("/proc/self/fd"), descriptors_before);
}

}  // namespace
}  // namespace check_html
