// Batch runs over a temporary copy of the bundled sample site, for the end-to-end tests that
// compare what a run wrote with the hand-checked files under tests/data, and the file helpers
// of the other batch tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../platform/temp_folder.h"
#include "app/batch_run.h"

namespace check_html {

inline const std::filesystem::path kSource = CHECK_HTML_SOURCE_DIR;
inline const std::filesystem::path kExpected = kSource / "tests/data/sample_site";

inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// All that was written to `f`.
inline std::string Drain(std::FILE* f) {
  std::rewind(f);
  std::string text;
  for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) text += static_cast<char>(c);
  return text;
}

// The smallest site a run accepts: a start page, the output folder and the folder of the
// reference list with the formula file that converter mode reads.
inline void PutTinySite(const TempFolder& site) {
  site.Put("zq/html/start.html", "<HTML><TITLE>Start</TITLE></HTML>\n");
  site.Put("zq/html/check/readme.txt", "");
  site.Put("zq/pdf_split/all_math.txt", "!Y>start<Y;\n");
}

// Every file below `root` with its bytes, by path relative to `root`.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) {
      files[std::filesystem::relative(entry.path(), root).generic_string()] =
          ReadWhole(entry.path());
    }
  }
  return files;
}

// A quiet batch run from `start` below `html` with the output and settings folder html/check,
// no settings file and the date 06.12.26.
inline std::vector<std::string> SampleRunArgs(const std::filesystem::path& html,
                                              const std::string& start = "start.html") {
  const std::string check = (html / "check").string();
  return {"--batch", "--quiet", "--start", (html / start).string(), "--out", check,
          "--settings-dir", check, "--today", "06.12.26"};
}

// Copies examples/site to a temporary folder; Run starts a batch run over the copy's zq/html.
class SampleSiteRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(kSource / "examples/site", site_.Path(),
                          std::filesystem::copy_options::recursive);
  }
  void TearDown() override {
    std::fclose(out_);
    std::fclose(err_);
  }

  // `start` is the start page below zq/html.
  int Run(std::vector<std::string> extra, const std::string& start = "start.html") {
    std::vector<std::string> args = SampleRunArgs(Html(), start);
    args.insert(args.end(), extra.begin(), extra.end());
    return RunBatch(ParseCommandLine(args).options, out_, err_);
  }
  std::filesystem::path Html() const { return std::filesystem::path(site_.Path()) / "zq/html"; }

  // The log lines the run wrote, in order.
  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::istringstream log(Drain(out_));
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  TempFolder site_;
  std::FILE* out_ = std::tmpfile();
  std::FILE* err_ = std::tmpfile();
};

}  // namespace check_html
