// --serve ends on SIGTERM: the signal is taken by the serving thread, which stops the server and
// exits 0.
#include <gtest/gtest.h>
#include <pthread.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <future>
#include <string>

#include "../comm/pipe_test_support.h"
#include "app/batch_options.h"
#include "app/batch_pipe.h"
#include "app/batch_run.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;

TEST(BatchServeSignal, ServeAfterTheRunUntilSigtermThenExitZero) {
  PipeFolderForTest folder;
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  TempFolder site;
  PutTinySite(site);
  const std::string check = site.Path() + "/zq/html/check";
  const ParsedCommandLine parsed =
      ParseCommandLine({"--batch", "--serve", "--quiet", "--start", site.Path() + "/zq/html/start.html",
                        "--out", check, "--settings-dir", check});
  ASSERT_EQ(parsed.error, "");
  std::promise<pthread_t> serving_thread;
  auto served = std::async(std::launch::async, [&] {
    serving_thread.set_value(pthread_self());
    return RunBatch(parsed.options, out, err);
  });
  const pthread_t thread = serving_thread.get_future().get();
  // Once the lists can be fetched the server runs, and SIGTERM is blocked for its thread.
  PageLists fetched;
  const bool reached =
      Eventually([&] { return ErrorOf([&] { FetchPageLists(fetched, nullptr); }) == "no error"; });
  ASSERT_TRUE(reached) << Drain(err) << Drain(out);
  pthread_kill(thread, SIGTERM);
  ASSERT_EQ(served.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(served.get(), kExitRunEnded);
  EXPECT_EQ(Drain(err), "Status: Idle\n");
  std::fclose(out);
  std::fclose(err);
}

}  // namespace
}  // namespace check_html
