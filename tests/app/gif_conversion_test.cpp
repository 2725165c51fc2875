// Batch runs with the GIF conversion over a copy of the sample site, with the real converter.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "../platform/temp_folder.h"
#include "app/batch_run.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GifConversion, ConvertsTheShownGifsAndTheNextRunSwitchesThePagesToThePngs) {
  TempFolder site;
  fs::copy(fs::path(CHECK_HTML_SOURCE_DIR) / "examples/site", site.Path(),
           fs::copy_options::recursive);
  const fs::path html = fs::path(site.Path()) / "zq/html";
  auto run = [&] {
    const std::vector<std::string> args = {"--batch",        "--quiet",
                                           "--start",        (html / "start.html").native(),
                                           "--out",          (html / "check").native(),
                                           "--settings-dir", (html / "check").native(),
                                           "--set",          "GiF2PNGItem=1",
                                           "--set",          "tex_html=0"};
    std::FILE* out = std::tmpfile();
    const int code = RunBatch(ParseCommandLine(args).options, out, out);
    std::fclose(out);
    return code;
  };
  // A page that the rewrite leaves as it is keeps its GIF reference until the next run.
  const fs::path skipped = html / "kap02/backbone/chapter_index.html";
  std::string page = ReadText(skipped);
  page.insert(page.find("</BODY>"), "<IMG SRC=\"../illustr/pendel.gif\">\r\n");
  std::ofstream(skipped, std::ios::binary) << page;

  ASSERT_EQ(run(), kExitRunEnded);
  // Real PNG files, also from a name in another letter case (Pendel.GIF).
  for (const char* png : {"kap01/illustr/feder.png", "kap02/illustr/pendel.png",
                          "styles/papier.png", "styles/kugel1.png", "styles/illu.png"}) {
    char head[8] = {};
    std::ifstream(html / png, std::ios::binary).read(head, sizeof head);
    EXPECT_EQ(std::string_view(head, sizeof head), "\x89PNG\r\n\x1A\n") << png;
  }
  for (const char* gone : {"kap01/illustr/feder.gif", "kap02/illustr/Pendel.GIF",
                           "styles/papier.gif", "styles/illu.gif", "styles/zu_zu.gif"}) {
    EXPECT_FALSE(fs::exists(html / gone)) << gone;
  }
  // Protected and animated pictures stay, and so does a GIF that no page shows.
  for (const char* kept : {"styles/kugel1.gif", "styles/index.gif", "styles/dreieck3.gif",
                           "kap01/illustr/feder_a_n_i_m_.gif", "kap02/illustr/skizze_alt.gif"}) {
    EXPECT_TRUE(fs::exists(html / kept)) << kept;
  }
  EXPECT_FALSE(fs::exists(html / "kap01/illustr/feder_a_n_i_m_.png"));
  for (const auto& entry : fs::recursive_directory_iterator(html)) {
    EXPECT_FALSE(entry.path().filename().native().starts_with(".")) << entry.path();
  }
  EXPECT_EQ(ReadText(skipped), page);

  ASSERT_EQ(run(), kExitRunEnded);
  EXPECT_EQ(ReadText(skipped), page.replace(page.rfind("pendel.gif"), 10, "pendel.png"));
}

}  // namespace
}  // namespace check_html
