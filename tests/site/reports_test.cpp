// The report passes, the page frame they share and the failure report's picture switch. Whole
// reports of a real crawl are compared end to end with the sample site's checked reports; these
// tests hold what that site lacks.
#include "site/report_page.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "html/text_scan.h"
#include "platform/file_error.h"
#include "site/pic_ref_switch.h"
#include "report_run.h"
#include "site/link_check_reports.h"

namespace check_html {
namespace {

using Lines = std::vector<std::string>;
using Reports = ReportTest;

TEST_F(Reports, APageShowsItsStatusFirstAndWritesTheSkeletonByTheOptionsAtOnce) {
  const std::tuple<bool, bool, const char*, const char*> cases[] = {
      {false, false, "de", "Autor: Brisco"}, {true, false, "en", "Author: Brisco"},
      {false, true, "de", "Autor: Anvelt"}, {true, true, "en", "Author: Anvelt"}};
  for (const auto& [english, tex, lang, author] : cases) {
    options.Set_to_English = english, options.tex_html = tex;
    front_end.Clear();
    ReportPage page(run, "d:\\site\\check\\x.html");
    EXPECT_EQ(front_end.Events(), Lines{"status Speichere File d:\\site\\check\\x.html"});
    page.AddHead("T\xE4");
    page.AddLine("<P>\xA7</P>");
    page.Finish();
    EXPECT_EQ(Written("d:/site/check/x.html"),
              CrLfLines({std::string("<HTML lang=\"") + lang + "\">", "<HEAD>",
                         "<TITLE>T\xE4</TITLE>",
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                         "charset=iso-8859-1\">",
                         "<LINK HREF=\"../styles/overview.css\" REL=\"stylesheet\" TITLE=\"zq\" "
                         "TYPE=\"text/css\">",
                         "<SCRIPT ID=\"zq_x_1\" LANGUAGE=\"JavaScript\" "
                         "SRC=\"../styles/zq_check_pagestyle.js\"></SCRIPT></HEAD>",
                         "<BODY>", "<H1>T\xE4</H1>", "<P>\xA7</P>",
                         std::string("<P CLASS=\"footer\">") + author +
                             ", Kesta</P></BODY></HTML>"}));
  }
}

TEST_F(Reports, APageThatCannotBeWrittenRaisesFileErrorNamingIt) {
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

// The number list ends its line after every 16th number; the title is German in both languages.
TEST_F(Reports, CrossCheckBreaksTheToListAfterThe16thOfSeventeenLinks) {
  options.Set_to_English = true;
  Db().AddFile("d:/site/start.html", 0, "");
  Db().FileRecords()[1].Exists = true;
  for (int i = 2; i <= 18; ++i) {
    Db().AppendLinksTo(1, Db().AddFile("d:/p" + std::to_string(i), 1, ""));
  }
  WriteCrossCheck(run, "d:/site/check/c.html");
  const std::string text = Written("d:/site/check/c.html");
  EXPECT_TRUE(text.starts_with("<HTML lang=\"en\">\r\n<HEAD>\r\n<TITLE>CrossCheck des HTML-Baums"));
  EXPECT_NE(text.find("To   : 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, \r\n"
                      "18,  <BR>\r\nFrom : 0,  <BR>\r\n"),
            std::string::npos);
}

TEST_F(Reports, FailuresGiveAMissingStartFileAnEmptyFromCellUnderTheEnglishTitle) {
  options.Set_to_English = true;
  Db().AddFile("d:/site/start.html", 0, "");
  WriteFailures(run, "d:/site/check/b.html");
  EXPECT_NE(Written("d:/site/check/b.html")
                .find(CrLfLines({"<H1>Failure in HTML-Tree</H1>", "<H2>HTML-Dateien</H2>",
                                 "<TABLE BORDER=\"1\">", "<TR>", "<TD> ../start.html </TD> <TD>",
                                 "From :", " </TD></TR>", "</TABLE>"})),
            std::string::npos);
}

// start.html and kap1/a.html link the missing kap9/x.html and show the missing styles/p.gif;
// a.html also shows the missing kap1/r.jpg. Externals (a link, a GIF) are left out; "From :" has
// no blank in the file table and one in the picture table. In a run each page showing the missing
// GIF is switched to its PNG: a reference in another case stays, the reference right after a
// partial match ("..") is switched too, the JPEG is not touched. A link check changes no page.
TEST_F(Reports, FailuresListMissingPicturesAndSwitchMissingGifsToPngsOutsideALinkCheck) {
  Db().AddFile("d:/site/start.html", 0, "");
  for (const char* path : {"d:/site/kap1/a.html", "d:/site/kap9/x.html", "http://www.example.org/"})
    Db().AddFile(path, 1, "");
  Db().FileRecords()[1].Exists = Db().FileRecords()[2].Exists = true;
  Db().AppendLinkedFrom(3, 2, "_dum_2");
  Db().AddPicture("d:/site/styles/p.gif", false, 1);
  Db().AppendUsedBy(1, 2);
  Db().AddPicture("d:/site/kap1/r.jpg", false, 2);
  Db().AddPicture("http://x.org/logo.gif", false, 2);
  options.GiF2PNGItem = true;
  const std::string start =
      "<BODY BACKGROUND=\"styles/p.gif\"><IMG SRC=\"Styles/P.GIF\"><IMG SRC=\"kap1/r.jpg\">\r\n";
  const std::string a = "<IMG SRC=\"../styles/p.gif\"><!--.../styles/p.gif-->";
  for (bool check_only : {true, false}) {
    files.AddFile("d:/site/start.html", start);
    files.AddFile("d:/site/kap1/a.html", a);
    files.ClearLog();
    run.CheckOnly = check_only;
    WriteFailures(run, "d:\\site\\check\\zq_bad.html");
    if (check_only) {
      EXPECT_EQ(files.Log(), Lines{"write d:/site/check/zq_bad.html"});
    }
    EXPECT_EQ(Body("d:/site/check/zq_bad.html"),
              CrLfLines({"<H2>HTML-Dateien</H2>", "<TABLE BORDER=\"1\">", "<TR>",
                         "<TD> ../kap9/x.html </TD> <TD>", "From :", "<BR> ../start.html",
                         "<BR> ../kap1/a.html", " </TD></TR>", "</TABLE>", "<HR>",
                         "<H2>PICTURE-Dateien</H2>", "<TABLE BORDER=\"1\">", "<TR>",
                         "<TD> ../styles/p.gif </TD> <TD>", "From : ", "<BR> ../start.html",
                         "<BR> ../kap1/a.html", " </TD></TR>", "<TR>",
                         "<TD> ../kap1/r.jpg </TD> <TD>", "From : ", "<BR> ../kap1/a.html",
                         " </TD></TR>", "</TABLE>"}));
  }
  EXPECT_EQ(Written("d:/site/start.html"),
            "<BODY BACKGROUND=\"styles/p.png\"><IMG SRC=\"Styles/P.GIF\"><IMG "
            "SRC=\"kap1/r.jpg\">\r\n");
  EXPECT_EQ(Written("d:/site/kap1/a.html"), "<IMG SRC=\"../styles/p.png\"><!--.../styles/p.png-->");
  EXPECT_EQ(files.Log(), (Lines{"write d:/site/start.html", "write d:/site/kap1/a.html",
                                "write d:/site/check/zq_bad.html"}));
}

TEST(ReplaceAll, ReplacesEachOccurrenceAsAPlainFindAndReplaceDoes) {
  const std::vector<std::vector<std::string>> cases = {  // text, from, to, expected
      {"a p.gif b p.gif", "p.gif", "p.png", "a p.png b p.png"},
      {"ppp.gif", "pp.gif", "pp.png", "ppp.png"},  // starts inside a failed partial match
      {"aaa", "aa", "b", "ba"},                    // left to right, not overlapping
      {"P.GIF p.gi", "p.gif", "p.png", "P.GIF p.gi"},
      {"\xE4p.gif\r\n", "p.gif", "p.png", "\xE4p.png\r\n"}};
  for (auto c : cases) {
    EXPECT_EQ(ReplaceAll(c[0], c[1], c[2]), c[0] != c[3]);
    EXPECT_EQ(c[0], c[3]);
  }
}

TEST(SwitchPicRef, KeepsThePageAndRaisesFileErrorWhenThePageCannotBeReplaced) {
  MemoryFileSystem files;
  files.AddFile("d:/site/a.html", "<IMG SRC=\"p.gif\">");
  files.SetReadOnly("d:/site/a.html");
  try {
    SwitchPicRef(files, "d:/site/a.html", "d:/site/p.gif");
    ADD_FAILURE();
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "Error while writing file d:/site/a.html");
  }
  EXPECT_EQ(files.Contents("d:/site/a.html"), "<IMG SRC=\"p.gif\">");
  EXPECT_THROW(SwitchPicRef(files, "d:/site/gone.html", "d:/site/p.gif"), FileError);
}

TEST_F(Reports, TheRefListIsWrittenOnlyForConvertedSites) {
  run.RefList = {"zq", "kap1/a.html 3"};
  const std::string path = "d:\\site\\check\\..\\..\\pdf_split\\RefList.txt";
  files.AddFolder("d:/pdf_split");
  WriteRefList(run, path);
  EXPECT_EQ(Written("d:/pdf_split/RefList.txt"), "(missing)");
  EXPECT_TRUE(front_end.Events().empty());
  options.tex_html = true;
  WriteRefList(run, path);
  EXPECT_EQ(Written("d:/pdf_split/RefList.txt"), "zq\r\nkap1/a.html 3\r\n");
  EXPECT_EQ(front_end.Events(), Lines{"status Safe File " + path});
}

// Folder kap1 holds the scanned page, its picture, an unlinked page stored in capitals, a
// backup, one of our temporary files and a sub-folder; kap2 holds only a backup; kap3 holds no
// scanned page and is never looked at. Backups go only with options.BakClear and never in a link check.
TEST_F(Reports, UnreferencedListsFilesNothingRefersToAndDeletesBackupsWithBakClear) {
  Db().AddFile("d:/site/kap1/a.html", 0, "");
  Db().AddPicture("d:/site/kap1/p.gif", true, 1);
  Db().AddFolder("d:/site/kap1/");
  Db().AddFolder("d:/site/kap2/");
  for (const char* name : {"a.html", "p.gif", "Alt.HTML", ".write-1.tmp"})
    files.AddFile(std::string("d:/site/kap1/") + name, "x");
  files.AddFolder("d:/site/kap1/illustr");
  files.AddFile("d:/site/kap3/c.html", "x");
  const std::string report = "write d:/site/check/zq_dum.html";
  const Lines removed = {"remove d:/site/kap1/a.bak", "remove d:/site/kap2/B.BAK", report};
  for (const auto& [bak_clear, check_only, log] :
       {std::tuple{false, false, Lines{report}}, std::tuple{true, true, Lines{report}},
        std::tuple{true, false, removed}}) {
    files.AddFile("d:/site/kap1/a.bak", "x");
    files.AddFile("d:/site/kap2/B.BAK", "x");
    files.ClearLog();
    front_end.Clear();
    options.BakClear = bak_clear;
    run.CheckOnly = check_only;
    WriteUnreferenced(run, "d:\\site\\check\\zq_dum.html");
    EXPECT_EQ(Body("d:/site/check/zq_dum.html"),
              CrLfLines({"<H2> ../kap1/ </H2>", "../kap1/alt.html <BR>", "<H2> ../kap2/ </H2>"}));
    EXPECT_EQ(files.Log(), log);
    EXPECT_EQ(front_end.Events(), Lines{"status Speichere File d:\\site\\check\\zq_dum.html"});
  }
}

}  // namespace
}  // namespace check_html
