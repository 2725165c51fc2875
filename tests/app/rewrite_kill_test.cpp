// Kills the batch program at many moments of the page rewrite. After each kill every page must be
// present and whole: under its own name, its ".html" name or its ".bak" name lies its old text or
// the text an uninterrupted run writes, and none of these files holds anything else. The kill is
// the system's hardest (SIGKILL on Linux, TerminateProcess on Windows).
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "platform/child_process.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;
using Texts = std::map<std::string, std::string>;

class RewriteKill : public ::testing::Test {
 protected:
  std::unique_ptr<ChildProcess> FreshRun(bool tex) {
    fs::remove_all(site_);
    fs::copy(fs::path(CHECK_HTML_SOURCE_DIR) / "examples/site", site_, fs::copy_options::recursive);
    std::vector<std::string> args = SampleRunArgs(html_);
    args.insert(args.end(), {"--set", tex ? "tex_html=1" : "tex_html=0"});
    auto child = std::make_unique<ChildProcess>(CHECK_HTML_PROGRAM, args);
    EXPECT_TRUE(child->Started()) << child->StartError();
    return child;
  }

  // Waits for the backup of the first page (start.html): the rewrite has begun.
  static bool WaitForRewrite(ChildProcess& child, const std::string& html) {
    while (!fs::exists(html + "/start.bak")) {
      if (!child.Running()) return false;
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
    const std::unique_ptr<ChildProcess> reference = FreshRun(tex);
    ASSERT_TRUE(WaitForRewrite(*reference, html_));
    const auto began = std::chrono::steady_clock::now();
    const ChildEnd end = reference->Wait(std::stop_token(), std::chrono::milliseconds(1));
    ASSERT_TRUE(end.how == ChildEnd::How::kExited && end.code == 0) << "tex " << tex;
    const auto rest_of_run = std::chrono::steady_clock::now() - began;
    const Texts finished = Snapshot(html_);

    for (int k = 0; k < kills; ++k) {
      const std::unique_ptr<ChildProcess> child = FreshRun(tex);
      if (WaitForRewrite(*child, html_)) {
        std::this_thread::sleep_for(rest_of_run * k / kills);
        child->Kill();
      }
      child->Wait(std::stop_token(), std::chrono::milliseconds(1));
      ExpectPagesWhole(before, finished, "tex " + std::to_string(tex) + " kill " + std::to_string(k));
    }
  }
}

}  // namespace
}  // namespace check_html
