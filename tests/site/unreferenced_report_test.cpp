#include <gtest/gtest.h>

#include "report_run.h"

namespace check_html {
namespace {

// Folder kap1 holds the scanned page, its picture, an unlinked page stored in capitals, a
// backup, one of our temporary files and a sub-folder; kap2 holds only a backup; kap3 holds no
// scanned page and is never looked at.
class UnreferencedReport : public ReportTest {
 protected:
  UnreferencedReport() {
    Db().AddFile("d:/site/kap1/a.html", 0, "");
    Db().AddPicture("d:/site/kap1/p.gif", true, 1);
    Db().AddFolder("d:/site/kap1/");
    Db().AddFolder("d:/site/kap2/");
    for (const char* name : {"a.html", "p.gif", "Alt.HTML", "a.bak", ".write-1.tmp"})
      files.AddFile(std::string("d:/site/kap1/") + name, "x");
    files.AddFolder("d:/site/kap1/illustr");
    files.AddFile("d:/site/kap2/B.BAK", "x");
    files.AddFile("d:/site/kap3/c.html", "x");
    files.ClearLog();
  }
  std::vector<std::string> WriteAndLog() {
    run.WriteUnreferenced("d:\\site\\check\\zq_dum.html");
    EXPECT_EQ(Body("d:/site/check/zq_dum.html"),
              CrLfLines({"<H2> ../kap1/ </H2>", "../kap1/alt.html <BR>", "<H2> ../kap2/ </H2>"}));
    return files.Log();
  }
};

TEST_F(UnreferencedReport, ListsFilesNothingRefersToAndKeepsBackupsWithoutBakClear) {
  EXPECT_EQ(WriteAndLog(), std::vector<std::string>{"write d:/site/check/zq_dum.html"});
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"status Speichere File d:\\site\\check\\zq_dum.html"});
}

TEST_F(UnreferencedReport, DeletesTheBackupsWithBakClearButNotInALinkCheck) {
  BakClear = true;
  EXPECT_EQ(WriteAndLog(),
            (std::vector<std::string>{"remove d:/site/kap1/a.bak", "remove d:/site/kap2/B.BAK",
                                      "write d:/site/check/zq_dum.html"}));
  files.AddFile("d:/site/kap1/a.bak", "x");
  files.ClearLog();
  run.CheckOnly = true;
  EXPECT_EQ(WriteAndLog(), std::vector<std::string>{"write d:/site/check/zq_dum.html"});
}

}  // namespace
}  // namespace check_html
