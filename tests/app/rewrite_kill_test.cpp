// Kills the batch program at many moments of the page rewrite. After each kill every page must be
// present and whole: under its own name, its ".html" name or its ".bak" name lies its old text or
// the text an uninterrupted run writes, and none of these files holds anything else.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sample_site_run.h"

extern char** environ;

namespace check_html {
namespace {

namespace fs = std::filesystem;
using Texts = std::map<std::string, std::string>;

class RewriteKill : public ::testing::Test {
 protected:
  pid_t FreshRun(bool tex) {
    fs::remove_all(site_);
    fs::copy(fs::path(CHECK_HTML_SOURCE_DIR) / "examples/site", site_, fs::copy_options::recursive);
    std::vector<std::string> args = SampleRunArgs(html_);
    args.insert(args.begin(), CHECK_HTML_PROGRAM);
    args.insert(args.end(), {"--set", tex ? "tex_html=1" : "tex_html=0"});
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
  }

  // Waits for the backup of the first page (start.html): the rewrite has begun.
  bool WaitForRewrite(pid_t pid) {
    int status = 0;
    while (!fs::exists(html_ + "/start.bak")) {
      if (waitpid(pid, &status, WNOHANG) == pid) return false;
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return true;
  }

  void ExpectPagesWhole(const Texts& before, const Texts& finished, const std::string& when) {
    const Texts now = Snapshot(html_);
    for (const auto& [page, old_text] : before) {
      if (page.starts_with("check/") || (!page.ends_with(".html") && !page.ends_with(".htm"))) {
        continue;
      }
      const std::string stem = page.substr(0, page.rfind('.'));
      const auto done = finished.find(stem + ".html");
      const std::string& new_text = done == finished.end() ? old_text : done->second;
      bool present = false;
      for (const std::string& name : {page, stem + ".html", stem + ".bak"}) {
        const auto it = now.find(name);
        if (it == now.end()) continue;
        const std::string& text = it->second;
        present = present || text == old_text || text == new_text;
        const bool known = text == old_text || text == new_text ||
                           (finished.contains(name) && text == finished.at(name)) ||
                           (before.contains(name) && text == before.at(name));
        EXPECT_TRUE(known) << when << ": " << name << " holds " << text.size() << " other bytes";
      }
      EXPECT_TRUE(present) << when << ": " << page << " is lost";
    }
  }

  TempFolder temp_;
  fs::path site_ = fs::path(temp_.Path()) / "site";
  std::string html_ = (site_ / "zq/html").string();
};

// Kills spread evenly from the start of the rewrite to the end of an uninterrupted run; the
// moves of hand-written pages get more of them than the converter mode.
TEST_F(RewriteKill, NoPageIsLostOrCutWhereverTheRunIsKilled) {
  for (const int kills : {12, 6}) {
    const bool tex = kills == 6;
    const Texts before = Snapshot(fs::path(CHECK_HTML_SOURCE_DIR) / "examples/site/zq/html");
    const pid_t reference = FreshRun(tex);
    ASSERT_TRUE(WaitForRewrite(reference));
    const auto began = std::chrono::steady_clock::now();
    int status = 0;
    waitpid(reference, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "tex " << tex;
    const auto rest_of_run = std::chrono::steady_clock::now() - began;
    const Texts finished = Snapshot(html_);

    for (int k = 0; k < kills; ++k) {
      const pid_t pid = FreshRun(tex);
      if (WaitForRewrite(pid)) {
        std::this_thread::sleep_for(rest_of_run * k / kills);
        kill(pid, SIGKILL);
      }
      waitpid(pid, &status, 0);
      ExpectPagesWhole(before, finished, "tex " + std::to_string(tex) + " kill " + std::to_string(k));
    }
  }
}

}  // namespace
}  // namespace check_html
