// Two programs over the real pipe: one serves the page lists after its run of the sample site
// (--serve), others fetch them (--fetch-lists); a malformed message ends only its own connection.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "../comm/pipe_test_support.h"
#include "html/path_text.h"
#include "platform/case_map.h"
#include "platform/child_process.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

using namespace std::chrono_literals;

// What a fetching program printed, once it has fetched both lists; empty when none did within
// ten seconds.
std::string FetchedLists(const std::string& output) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    ChildProcess fetch(CHECK_HTML_PROGRAM, {"--batch", "--quiet", "--fetch-lists"}, output);
    const ChildEnd end = fetch.Wait(std::stop_token(), 10ms);
    if (end.how == ChildEnd::How::kExited && end.code == 0) return ReadWhole(output);
    std::this_thread::sleep_for(500ms);
  }
  return std::string();
}

// The protocol by hand up to the first message: the inbound pipe's name is read from the main
// pipe, and `bytes` are written on the inbound pipe. True when the server then closed the
// connection.
bool SendAndSeeClosed(const std::string& bytes) {
  std::unique_ptr<PipeStream> main, inbound;
  if (!ConnectPipe("\\\\.\\pipe\\html_2_pdf", main, PipeDirection::kOutbound).ok()) return false;
  uint8_t size = 0;
  if (!main->ReadExact(&size, 1).ok()) return false;
  std::string name(size, '\0');
  if (!main->ReadExact(name.data(), size).ok()) return false;
  if (!ConnectPipe("\\\\.\\pipe\\" + name, inbound, PipeDirection::kInbound).ok()) return false;
  inbound->WriteAll(bytes);
  char byte = 0;
  return main->WaitReadable(5000).ok() && main->ReadExact(&byte, 1).broken();
}

TEST(PipePrograms, AServingProgramGivesBothListsAndSurvivesAMalformedMessage) {
  PipeFolderForTest folder;  // Linux: the sockets of the children too
  TempFolder site;
  std::filesystem::copy(kSource / "examples/site", site.Path(),
                        std::filesystem::copy_options::recursive);
  const std::filesystem::path html = std::filesystem::path(site.Path()) / "zq/html";
  const std::string log = site.Path() + "/serve.log";
  std::vector<std::string> args = SampleRunArgs(html);
  args.insert(args.end(), {"--log", log, "--serve"});
  ChildProcess server(CHECK_HTML_PROGRAM, args, site.Path() + "/serve.err");
  ASSERT_TRUE(server.Started()) << server.StartError();

  const std::string output = site.Path() + "/fetched.txt";
  const std::string lists = FetchedLists(output);
  ASSERT_NE(lists, "") << ReadWhole(site.Path() + "/serve.err");
  // Entry 0 is the project name, then the pages as the run names them.
  const std::string start = "zq\n" + SlashToBack(LowerCase((html / "start.html").string())) + "\n";
  EXPECT_TRUE(lists.starts_with("BackboneList 41\n" + start)) << lists;
  EXPECT_NE(lists.find("\nCleanedList 41\n" + start), std::string::npos) << lists;

  EXPECT_TRUE(SendAndSeeClosed(std::string("\x01\x00\x00\x01", 4)));
  EXPECT_EQ(FetchedLists(output), lists);
  EXPECT_TRUE(server.Running());
  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(server.Wait(stop.get_token(), 10ms).how, ChildEnd::How::kStopped);
  const std::string served = ReadWhole(log);
  EXPECT_NE(served.find("Invalid message length 16777217\n"), std::string::npos) << served;
  EXPECT_NE(served.find("4: Sending result TTestComp\n"), std::string::npos) << served;
}

}  // namespace
}  // namespace check_html
