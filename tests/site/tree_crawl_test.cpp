#include "site/tree_crawl.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../run/run_fixture.h"

namespace check_html {
namespace {

using Lines = std::vector<std::string>;

// Asks the run to stop when the status line shows `stop_at`, and after 50 status lines at the
// latest, so that no crawl runs for ever.
class StoppingFrontEnd : public RecordingFrontEnd {
 public:
  void ShowStatus(const std::string& text) override {
    RecordingFrontEnd::ShowStatus(text);
    if (text == stop_at || ++shown > 50) run->RequestStop();
  }
  RunContext* run = nullptr;
  std::string stop_at;
  int shown = 0;
};

// "index:anchor,...", the anchor only where there is one.
std::string Nodes(const std::vector<LinkNode>& nodes) {
  std::string out;
  for (const LinkNode& node : nodes) {
    out += (out.empty() ? "" : ",") + std::to_string(node.Index);
    if (!node.Anchor.empty()) (out += ":") += node.Anchor;
  }
  return out;
}

class TreeCrawlTest : public ::testing::Test, protected RunParts<MemoryFileSystem, StoppingFrontEnd> {
 protected:
  TreeCrawlTest() {
    front_end.run = &run;
    run.SaveDir = "d:\\web";
  }

  // Crawls from `start`; the whole database, one line per file, picture, folder and item.
  Lines Crawl(const std::string& start) {
    CrawlTree(run, start);
    const SiteDatabase& db = database;
    Lines lines;
    for (int32_t i = 1; i <= db.FileCount(); ++i) {
      const FileRec& r = db.FileRecords()[i];
      lines.push_back(std::to_string(i) + " " + db.Files()[i] + (r.Exists ? " + '" : " - '") +
                      db.Titles()[i] + "' to " + Nodes(r.LinksTo) + " from " +
                      Nodes(r.LinkedFrom) + " pics " + Nodes(r.Pics));
    }
    for (int32_t j = 1; j <= db.PicCount(); ++j) {
      lines.push_back("pic " + std::to_string(j) + " " + db.Pictures()[j] +
                      (db.PicRecords()[j].Exists ? " + by " : " - by ") +
                      Nodes(db.PicRecords()[j].UsedBy));
    }
    for (int32_t f = 1; f <= db.FolderCount(); ++f) lines.push_back("folder " + db.Folders()[f]);
    for (const Item& item : db.Items()) {
      lines.push_back("item " + item.Name + "|" + item.Text + "|" + item.Fragment + "|" +
                      item.Key + "|" + item.Href + "|" + item.File);
    }
    return lines;
  }

};

TEST_F(TreeCrawlTest, TakesTheStartFileInLowerCaseAndUnderItsOtherExtension) {
  EXPECT_EQ(Crawl("D:\\Web\\None.html"), Lines{"1 d:/web/none.html - '' to  from 0 pics "});
  files.AddFile("d:/w\xE4/start.html", "<html><title>S</title></html>");
  EXPECT_EQ(Crawl("D:\\W\xC4\\Start.HTM"),
            (Lines{"1 d:/w\xE4/start.html + 'S' to  from 0 pics ", "folder d:/w\xE4/"}));
}

// Breadth-first numbering, one node per target and page, generated names, a scanned and an
// unscanned found file, missing and external targets, pictures shared by pages.
TEST_F(TreeCrawlTest, FillsTheTablesBreadthFirstWithOneEntryPerTargetAndPage) {
  files.AddFile("d:/web/a.html",
                 "<HTML><HEAD><TITLE>Start<!-- x -->page</TITLE></HEAD>\n"
                 "<BODY BACKGROUND=\"styles/bg.gif\"><A HREF=\"sub/b.html\">b</A>\n"
                 "<A NAME=\"_dum_7\" HREF=\"c.pdf\">pdf</A> <A HREF=\"sub/b.html#part\">b</A>\n"
                 "<A HREF=\"missing.html\">m</A><IMG SRC=\"styles/bg.gif\"><A>bare</A>\n"
                 "<A HREF=\"http://www.x.de/\">x</A></BODY></HTML>\n");
  files.AddFile("d:/web/sub/b.html",
                 "<html><title>B</title><body><a href=\"../a.html\">back</a><a href=\"d.htm\">"
                 "d</a><img src=\"../styles/bg.gif\"></body><a href=\"after.html\"></a></html>");
  files.AddFile("d:/web/sub/d.html", "<html><title>D<br></title></html>");
  files.AddFile("d:/web/c.pdf", "<html><title>not read</title></html>");
  files.AddFile("d:/web/styles/bg.gif", "GIF");

  EXPECT_EQ(Crawl("d:\\web\\a.html"),
            (Lines{"1 d:/web/a.html + 'Startpage' to 2,3,-4,-5 from 0,2:_dum_1 pics 1",
                   "2 d:/web/sub/b.html + 'B' to 1,6 from 1:_dum_1 pics 1",
                   "3 d:/web/c.pdf + '' to  from 1:_dum_2 pics ",
                   "4 d:/web/missing.html - '' to  from 1:_dum_4 pics ",
                   "5 http://www.x.de/ - '' to  from 1:_dum_5 pics ",
                   "6 d:/web/sub/d.html + 'D' to  from 2:_dum_2 pics ",
                   "pic 1 d:/web/styles/bg.gif + by 1,2", "folder d:/web/",
                   "folder d:/web/sub/"}));
  EXPECT_EQ(front_end.Events(),
            (Lines{"status d:/web/a.html", "status d:/web/sub/b.html", "status d:/web/c.pdf",
                   "status d:/web/missing.html", "status http://www.x.de/",
                   "status d:/web/sub/d.htm", "log !!!wrong endtag in Load_title"}));
}

// A link is read without the blanks around it; a final "#" is an empty fragment, so "#" alone
// links nowhere.
TEST_F(TreeCrawlTest, RecordsNamedAnchorsAsSortedItems) {
  const std::string long_name(300, 'n');
  files.AddFile("d:/web/i.html",
                 "<html><body><a name=\"?ABC\">word <b>bold</b></a><a name=\"top\" "
                 "href=\"#sec2\">t</a><a name=\"\xA7Haus\" href=\"X.html#f\">H</a>\n"
                 "<a name=\"_own\" href=\"x.html\">p</a><a name=\"Zeta\">z</a>\n"
                 "<a name=\"alpha\" href=\"#\">a</a><a name=\"" + long_name +
                     "\" href=\"y.html\">long</a><a href=\"\tz.html#\">z</a>"
                     "<a href=\" https://x.de/ \">e</a><a name=\"?End\">end</html>\n");
  EXPECT_EQ(Crawl("d:\\web\\i.html"),
            (Lines{"1 d:/web/i.html + '' to -2,-3,-4,-5 from 0 pics ",
                   "2 d:/web/x.html - '' to  from 1:\xA7Haus pics ",
                   "3 d:/web/y.html - '' to  from 1:" + std::string(63, 'n') + " pics ",
                   "4 d:/web/z.html - '' to  from 1:_dum_1 pics ",
                   "5 https://x.de/ - '' to  from 1:_dum_2 pics ",
                   "folder d:/web/", "item ?ABC|word <b>bold</b>||?ABC||d:/web/i.html",
                   "item ?End|end</html> ||?END||d:/web/i.html",
                   "item alpha|||ALPHA||d:/web/i.html",
                   "item " + long_name.substr(0, 255) + "|||" + std::string(20, 'N') +
                       "|d:/web/y.html|d:/web/i.html",
                   "item top||sec2|TOP||d:/web/i.html", "item Zeta|||ZETA||d:/web/i.html",
                   "item \xA7Haus|H|f|\xA7HAUS|d:/web/x.html|d:/web/i.html"}));
}

TEST_F(TreeCrawlTest, StopBetweenFilesLeavesTheRestMissing) {
  files.AddFile("d:/web/a.html", "<html><a href=\"b.html\"></a><a href=\"c.html\"></a></html>");
  files.AddFile("d:/web/b.html", "<html><a href=\"d.html\"></a></html>");
  files.AddFile("d:/web/c.html", "<html></html>");
  front_end.stop_at = "d:/web/b.html";
  EXPECT_EQ(Crawl("d:\\web\\a.html"),
            (Lines{"1 d:/web/a.html + '' to 2,-3 from 0 pics ",
                   "2 d:/web/b.html + '' to -4 from 1:_dum_1 pics ",
                   "3 d:/web/c.html - '' to  from 1:_dum_2 pics ",
                   "4 d:/web/d.html - '' to  from 2:_dum_1 pics ", "folder d:/web/"}));
}

// A renamed entry is missed by every later lookup of its old name, so scanning each new entry
// for it would add entries without end: a page is scanned once. Outside the save folder a page
// is found but not scanned.
TEST_F(TreeCrawlTest, ScansEachPageOnceAndOnlyInsideTheSaveFolderWhenAsked) {
  options.Look_For_SubPath = true;
  run.SaveDir = "d:\\web\\";  // without the separator the whole parent folder would count
  files.AddFile("d:/web/a.html", "<a href=\"b.htm\"></a><a href=\"../x/o.html\"></a></html>");
  files.AddFile("d:/web/b.html", "<html><a href=\"a.htm\"></a></html>");
  files.AddFile("d:/x/o.html", "<html><title>O</title><a href=\"p.html\"></a></html>");
  EXPECT_EQ(Crawl("d:\\web\\a.html"),
            (Lines{"1 d:/web/a.html + '' to 2,3 from 0 pics ",
                   "2 d:/web/b.html + '' to 4 from 1:_dum_1 pics ",
                   "3 d:/x/o.html + '' to  from 1:_dum_2 pics ",
                   "4 d:/web/a.html + '' to  from 2:_dum_1 pics ", "folder d:/web/"}));
}

}  // namespace
}  // namespace check_html
