// The GIF conversion on a real folder, with small shell scripts standing in for the converter.
#include "maint/gif_to_png.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "../platform/temp_folder.h"
#include "../run/run_fixture.h"
#include "platform/case_map.h"
#include "platform/disk_file_system.h"
#include "site/site_database.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class GifToPng : public ::testing::Test, protected RunParts<DiskFileSystem> {
 protected:
  GifToPng() {
    database.AddFile(Lower("r1.html"), 0, "");
  }

  std::string Lower(const std::string& relative) const {
    return LowerCase(site_.Path() + "/" + relative);
  }
  void Converter(const std::string& body) {
    site_.Put("c/conv.sh", "#!/bin/sh\n" + body);
    options.ConverterPath = site_.Path() + "/c/conv.sh";
    fs::permissions(options.ConverterPath, fs::perms::owner_all);
  }
  // `relative` as the crawl records a picture; with `bytes` the file is put on disk.
  void Picture(const std::string& relative, const char* bytes = nullptr) {
    if (bytes != nullptr) site_.Put(relative, bytes);
    database.AddPicture(Lower(relative), true, 1);
  }
  // The files of folder i/ with their bytes.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> listed;
    for (const auto& entry : fs::directory_iterator(site_.Path() + "/i")) {
      std::ostringstream bytes;
      bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
      listed[entry.path().filename().string()] = bytes.str();
    }
    return listed;
  }

  TempFolder site_;
};

TEST_F(GifToPng, ConvertsGifsAndDeletesThemExceptProtectedAndAnimatedOnes) {
  Converter("printf %s \"$1\" > \"$2\"\n");  // the PNG holds the GIF's name as handed over
  Picture("i/a.gif", "A");
  site_.Put("i/b.gif", "B");
  Picture("i/b.png");  // recorded by its PNG name
  site_.Put("i/F \"Q\" Name.GIF", "F");
  Picture("i/f \"q\" name.gif");
  site_.Put("i/e.png", "old");
  Picture("i/e.gif", "E");
  Picture("i/x_a_n_i_m_.gif", "X");
  Picture("i/d.jpg", "D");
  Picture("i/kugel1.gif", "K");
  Picture("i/g.gif");  // missing
  ConvertGifs(run);
  const std::string i = site_.Path() + "/i/";
  EXPECT_EQ(Files(),
            (std::map<std::string, std::string>{{"a.png", i + "a.gif"},
                                                {"b.png", i + "b.gif"},
                                                {"f \"q\" name.png", i + "F \"Q\" Name.GIF"},
                                                {"e.png", "old"},
                                                {"x_a_n_i_m_.gif", "X"},
                                                {"d.jpg", "D"},
                                                {"kugel1.gif", "K"},
                                                {"kugel1.png", i + "kugel1.gif"}}));
}

TEST_F(GifToPng, AConverterThatFailsOrWritesNothingKeepsTheGifAndLeavesNoPng) {
  const std::pair<const char*, const char*> cases[] = {
      {"exit 3\n", "ended with exit code 3"},
      {"printf half > \"$2\"; exit 1\n", "ended with exit code 1"},
      {"kill -9 $$\n", "ended by signal 9"},
      {": > \"$2\"\n", "wrote no PNG"},
      {"sleep 30\n", "stopped"},
  };
  Picture("i/a.gif", "A");
  Picture("i/b.gif", "B");  // not tried after a stop
  for (const auto& [body, outcome] : cases) {
    Converter(body);
    front_end.Clear();
    std::jthread stopper([&](std::stop_token token) {
      while (!token.stop_requested() && front_end.Events().empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      if (std::string_view(outcome) == "stopped") run.RequestStop();
    });
    ConvertGifs(run);
    EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.gif", "A"}, {"b.gif", "B"}}));
    const std::string a = Lower("i/a.gif"), b = Lower("i/b.gif");
    Lines expected;
    for (const std::string& gif : run.Stopped() ? Lines{a} : Lines{a, b}) {
      expected.push_back("status convert: " + gif);
      expected.push_back(std::string("log !!!Converter ") + outcome + ", GIF kept: " + gif);
    }
    EXPECT_EQ(front_end.Events(), expected) << body;
  }
}

TEST_F(GifToPng, AConverterThatCannotBeStartedIsLogged) {
  options.ConverterPath = site_.Path() + "/no_converter";
  Picture("i/a.gif", "A");
  ConvertGifs(run);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.gif", "A"}}));
  EXPECT_EQ(front_end.Events(),
            Lines{"log !!!Converter not started (No such file or directory): " + options.ConverterPath});
}

// A dry run starts no converter (this one would leave a mark) and logs what it would convert.
TEST_F(GifToPng, ADryRunListsTheConversionsInsteadOfStartingTheConverter) {
  Converter("touch \"$1.started\"\n");
  Picture("i/a.gif", "A");
  ConvertGifs(run, true);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.gif", "A"}}));
  EXPECT_EQ(front_end.Events(), Lines{"log Preview: would convert " + Lower("i/a.gif") + " to " +
                                      Lower("i/a.png")});
}

}  // namespace
}  // namespace check_html
