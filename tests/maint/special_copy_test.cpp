#include "maint/special_copy.h"

#include <gtest/gtest.h>

#include "../run/run_fixture.h"
#include "platform/memory_file_system.h"
#include "site/site_database.h"

namespace check_html {
namespace {

using Lines = std::vector<std::string>;

class SpecialCopyTest : public ::testing::Test, protected RunParts<MemoryFileSystem> {
 protected:
  SpecialCopyTest() {
    options.SpecialDir = "d:/special";
  }

  // A page linked first from page `from` (0 for the start page); `exists` puts it on disk.
  int32_t Page(const std::string& path, int32_t from, bool exists = true) {
    const int32_t i = database.AddFile(path, from, "");
    database.FileRecords()[static_cast<std::size_t>(i)].Exists = exists;
    if (exists) files.AddFile(path, path);
    return i;
  }
  void Shows(int32_t page, const std::string& picture) {
    files.AddFile(picture, picture);
    database.AppendPic(page, database.AddPicture(picture, true, page));
  }

};

TEST_F(SpecialCopyTest, CopiesBackbonePagesSectionPagesAndTheirPicturesIntoTheFlatLayout) {
  const int32_t r1 = Page("c:/site/kap01/backbone/r1.html", 0);
  const int32_t r2 = Page("c:/site/kap02/backbone/r2_1.html", r1);
  const int32_t a21 = Page("c:/site/kap02/advanced/a2_1.html", r2);
  const int32_t a23 = Page("c:/site/kap02/advanced/a2_3.html", r2);
  Page("c:/site/kap02/basics/intro.html", a23);
  Page("c:/site/kap02/illustr/pendel.html", r2);  // first linked from a backbone page
  Page("c:/other/kap09/backbone/x.html", r1);     // outside the site root
  Page("c:/site/kap02/basics/formeln.pdf", a21);
  Page("c:/site/kap02/exercise/missing.html", a21, false);
  Page("c:/site/styles/notes.html", r1);  // in no backbone or section folder
  Shows(r2, "c:/site/styles/kugel1.png");
  Shows(r2, "c:/site/kap02/illustr/fig1.png");
  Shows(a21, "c:/site/kap02/illustr/fig1.png");  // copied once
  Shows(a21, "c:/site/kap02/advanced/chart.png");
  database.AppendPic(a21, -1);  // a missing picture
  Shows(a23, "c:/site/kap03/illustr/fig1.png");
  Shows(a23, "c:/site/kap03/illustr/broken.png");
  files.SetIoError("c:/site/kap03/illustr/broken.png");
  files.AddFile("d:/special/illustr/chart.png", "from an earlier run");
  files.ClearLog();

  CopySpecial(run);

  EXPECT_EQ(files.Log(),
            (Lines{"make folder d:/special/backbone",
                   "copy c:/site/kap01/backbone/r1.html -> d:/special/backbone/r1.html",
                   "copy c:/site/kap02/backbone/r2_1.html -> d:/special/backbone/r2_1.html",
                   "copy c:/site/kap02/illustr/fig1.png -> d:/special/illustr/fig1.png",
                   "make folder d:/special/appendix",
                   "copy c:/site/kap02/advanced/a2_1.html -> d:/special/appendix/a2_1.html",
                   "copy c:/site/kap02/advanced/chart.png -> d:/special/illustr/chart.png",
                   "copy c:/site/kap02/advanced/a2_3.html -> d:/special/appendix/a2_3.html",
                   "copy c:/site/kap03/illustr/fig1.png -> d:/special/illustr/fig1.png",
                   "copy c:/site/kap02/basics/intro.html -> d:/special/appendix/a2_3_intro.html",
                   "copy c:/site/kap02/illustr/pendel.html -> "
                   "d:/special/appendix/r2_1_pendel.html"}));
  EXPECT_EQ(front_end.Events(),
            (Lines{"status Do_Special: Copy all for Python", "log Do_Special: Copy all for Python",
                   "log         to: d:/special", "log Copy Special: c:/site/kap01/backbone/r1.html",
                   "log Copy Special: c:/site/kap02/backbone/r2_1.html",
                   "log Copy Special: c:/site/kap02/illustr/fig1.png",
                   "log Copy Special: c:/site/kap02/advanced/a2_1.html",
                   "log Copy Special: c:/site/kap02/advanced/chart.png",
                   "log Copy Special: c:/site/kap02/advanced/a2_3.html",
                   "log Copy Special: c:/site/kap03/illustr/fig1.png",
                   "log !!!Picture exists! Double Named???",
                   "log Copy Special: c:/site/kap03/illustr/broken.png",
                   "log !!!Can not copy c:/site/kap03/illustr/broken.png to "
                   "d:/special/illustr/broken.png",
                   "log Copy Special: c:/site/kap02/basics/intro.html",
                   "log Copy Special: c:/site/kap02/illustr/pendel.html"}));
}

TEST_F(SpecialCopyTest, WithoutABackbonePageFirstTheSiteRootIsTheFolderOfTheStartPage) {
  const int32_t start = Page("c:/site/start.html", 0);
  Page("c:/site/kap01/basics/w.html", start);
  Page("c:/other/kap01/basics/v.html", start);
  files.ClearLog();
  CopySpecial(run);
  EXPECT_EQ(files.Log(),
            (Lines{"make folder d:/special/appendix",
                   "copy c:/site/kap01/basics/w.html -> d:/special/appendix/start_w.html"}));
}

}  // namespace
}  // namespace check_html
