#include "site/report_page.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_error.h"
#include "report_run.h"

namespace check_html {
namespace {

using ReportPageTest = ReportTest;

TEST_F(ReportPageTest, ShowsItsStatusFirstAndWritesTheSkeletonByTheOptionsAtOnce) {
  const std::vector<std::tuple<bool, bool, std::string, std::string>> cases = {
      {false, false, "de", "Autor: Brisco"}, {true, false, "en", "Author: Brisco"},
      {false, true, "de", "Autor: Anvelt"}, {true, true, "en", "Author: Anvelt"}};
  for (const auto& [english, tex, lang, author] : cases) {
    Set_to_English = english, tex_html = tex;
    front_end.Clear();
    ReportPage page(run, "d:\\site\\check\\x.html");
    EXPECT_EQ(front_end.Events(),
              std::vector<std::string>{"status Speichere File d:\\site\\check\\x.html"});
    page.AddHead("T\xE4");
    page.AddLine("<P>\xA7</P>");
    page.Finish();
    EXPECT_EQ(Written("d:/site/check/x.html"),
              CrLfLines({"<HTML lang=\"" + lang + "\">", "<HEAD>", "<TITLE>T\xE4</TITLE>",
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                         "charset=iso-8859-1\">",
                         "<LINK HREF=\"../styles/overview.css\" REL=\"stylesheet\" TITLE=\"zq\" "
                         "TYPE=\"text/css\">",
                         "<SCRIPT ID=\"zq_x_1\" LANGUAGE=\"JavaScript\" "
                         "SRC=\"../styles/zq_check_pagestyle.js\"></SCRIPT></HEAD>",
                         "<BODY>", "<H1>T\xE4</H1>", "<P>\xA7</P>",
                         "<P CLASS=\"footer\">" + author + ", Kesta</P></BODY></HTML>"}));
  }
}

TEST_F(ReportPageTest, RaisesFileErrorNamingThePageWhenItCannotBeWritten) {
  files.AddFile("d:/site/check/y.html", "old");
  files.SetIoError("d:/site/check/y.html");
  for (const char* path : {"d:\\nowhere\\x.html", "d:/site/check/y.html"}) {
    ReportPage page(run, path);
    try {
      page.Finish();
      ADD_FAILURE() << path;
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), std::string("Error while writing file ") + path);
    }
  }
}

}  // namespace
}  // namespace check_html
