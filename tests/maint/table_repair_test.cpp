#include "maint/table_repair.h"

#include <gtest/gtest.h>

#include "../rewrite/driver_fixture.h"
#include "maint/table_nested.h"
#include "platform/file_error.h"

namespace check_html {
namespace {

constexpr const char* kPage = "d:\\s\\p.html";

class TableRepairTest : public ::testing::Test, protected RunParts<DriverFiles> {
 protected:

  // Repairs a page holding `body` and gives the new body; the log lines go to Logs().
  std::string Repair(const std::string& body) {
    files.AddFile(kPage, "<html>" + body + "</html>\n");
    front_end.Clear();
    RepairTables(run, kPage);
    const std::string page = files.Contents(kPage).value_or("(none)");
    const std::string head = "<html>", tail = "</html>\n  \n  \n";
    EXPECT_EQ(page.substr(0, head.size()), head);
    EXPECT_EQ(page.substr(page.size() - std::min(page.size(), tail.size())), tail);
    return page.substr(head.size(), page.size() - head.size() - tail.size());
  }
  // The body with the writer's line breaks taken out (it breaks after a blank).
  std::string Joined(const std::string& body) {
    std::string joined = Repair(body);
    std::erase(joined, '\n');
    return joined;
  }
  std::vector<std::string> Logs() const {
    std::vector<std::string> logs;
    for (const std::string& event : front_end.Events()) {
      if (event.rfind("log ", 0) == 0) logs.push_back(event.substr(4));
    }
    return logs;
  }

};

std::string Row(const std::string& cells) { return "<tr>" + cells + "</tr>"; }
std::string Table(const std::string& rows) { return "<table>" + rows + "</table>"; }

TEST_F(TableRepairTest, TidiesTablesAndLogsEachChange) {
  const std::string p = " d:\\s\\p.html";
  const std::string spanned = Row("<td COLSPAN=\"2\">a</td><td>b</td>");
  const std::string three = Row("<td>a</td><td>b</td><td>c</td>");
  const std::string empty = Row("<td>&nbsp;</td>");
  struct Case {
    std::string body, repaired;
    std::vector<std::string> logs;
  } cases[] = {
      {Table(spanned + spanned), Table(Row("<td >a</td><td>b</td>") + Row("<td >a</td><td>b</td>")),
       {"+++Colspan removed:" + p}},
      {Table(Row("<td>a</td>") + empty + Row("<td> </td>") + empty + Row("<td>b</td>")),
       Table(Row("<td>a</td>") + empty + Row("<td>b</td>")), {"+++Empties removed:" + p}},
      // An empty row that a ROWSPAN reaches into stays, and ends the run of empty rows.
      {Table(Row("<td ROWSPAN=\"3\">a</td><td>b</td>") + empty + empty),
       Table(Row("<td ROWSPAN=\"3\">a</td><td>b</td>") + empty + empty), {}},
      {Table(three + three + three),
       Table(Row("<td>a</td><td>b</td><td width=\"100%\">c</td>") + three + three),
       {"+++SetWidth100:" + p}},
      {Table(Row("<td COLSPAN=\"1\" ALIGN=\"left\">a</td>")),
       Table(Row("<td  ALIGN=\"left\">a</td>")), {}},
      {Table(Row("<td>a</td>") + "<!-- c --> stray " + Row("<td>b</td>")),
       Table(Row("<td>a</td>") + Row("<td>b</td>")), {"!!!Mist!!!:  stray "}},
      {"x&#180;s &#150; <hr SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\" ALIGN=\"x\">",
       "x's &ndash; \n<HR SIZE=\"3\" NOSHADE=\"NOSHADE\" COLOR=\"#010101\">\n", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Repair(c.body), c.repaired) << c.body;
    EXPECT_EQ(Logs(), c.logs) << c.body;
  }
}

// A page without a backup moves there; a backup made earlier in the run (by the page's
// rewrite) holds the page's text from before the run and stays.
TEST_F(TableRepairTest, ASecondRepairFindsNothingToChangeAndKeepsTheFirstBackup) {
  const std::string three = Row("<td>a</td><td>b</td><td>c</td>");
  const std::string old_page = "<html>" + Table(three + three + three) + "</html>\n";
  const std::string once = Repair(Table(three + three + three));
  EXPECT_EQ(files.Contents("d:\\s\\p.bak"), old_page);
  EXPECT_EQ(Repair(once), once);
  EXPECT_EQ(files.Contents("d:\\s\\p.bak"), old_page);
  EXPECT_EQ(Logs(), std::vector<std::string>{});
}

TEST_F(TableRepairTest, LogsTheGridOfATableWhoseRowsDoNotAddUp) {
  const std::string body = Table(Row("<td COLSPAN=\"2\">a</td><td>x</td><td>y</td>") +
                                 Row("<td COLSPAN=\"2\">b</td><td ROWSPAN=\"12\">c</td>"));
  EXPECT_EQ(Repair(body), body);
  EXPECT_EQ(Logs(), (std::vector<std::string>{
                        "!!!Wrong TD-No in TR2 : d:\\s\\p.html",
                        "!!!Not strict Col Row Span: d:\\s\\p.html",
                        "1:\t2:1\t---\t1:1\t1:1",
                        "2:\t2:1\t---\t#1:1#\t2",
                        " | a | x | y | b | c",
                    }));
}

// Byte for byte: an inline script's "//" comment must still end at its line end.
TEST_F(TableRepairTest, WritesTablesItCannotAnalyseAsTheyStand) {
  std::string big;
  for (int i = 0; i < 101; ++i) big += Row("<td COLSPAN=\"1\">&nbsp;</td>");
  const std::string cases[] = {
      Table(big),
      Table(Row("<td COLSPAN=\"255\">a</td>")),
      Table(Row("<td COLSPAN=\"31\">a</td>")),
      Table(Row("<td>a</td><tr><td><script>\r\n  // note\r\n  f(1);\n</script>  b</td>")),
      Table("<td COLSPAN=\"1\">a</td>"),
      "<p><table><tr><td COLSPAN=\"1\">a",  // the page ends inside the table
  };
  for (const std::string& body : cases) {
    EXPECT_EQ(Repair(body), body);
    ASSERT_EQ(Logs().size(), 2u) << body;
    EXPECT_EQ(Logs()[0], "!!!Table not checked, written as it stands: d:\\s\\p.html");
  }
}

TEST_F(TableRepairTest, CopiesNestedTablesWithTidiedTagsAtAnyDepth) {
  std::string deep;
  for (int i = 0; i < 10000; ++i) deep += "<table>";
  for (int i = 0; i < 10000; ++i) deep += "</table>";
  const std::string repaired = Joined(Table(Row(
      "<td><table class=\"wi__60%\"><tr><td BGCOLOR=\"ff0000\">x&#180;<sub> 2 </sub><HRCOLOR=\"#000000\">"
      "</td></tr></table></td><td>" + deep + "</td>")));
  const std::string start =
      "<table><tr><td><table CLASS=\"wi__60%\" WIDTH=\"60%\"><tr><td BGCOLOR=\"#ff0000\">x'"
      "<sub>2</SUB><HR COLOR=\"#000000\"></td></tr></table></td><td><table CLASS=\"W__\">";
  const std::string end = "</table></td></tr></table>";
  EXPECT_EQ(repaired.substr(0, start.size()), start);
  EXPECT_EQ(repaired.substr(repaired.size() - end.size()), end);
}

// A nested table left open takes in the closing tag: the page is still written through it, not
// through the two bytes the page end takes behind it.
TEST_F(TableRepairTest, ATableCutByThePageEndIsWrittenThroughTheClosingTag) {
  files.AddFile(kPage, "<html><table><tr><td><table><tr><td>x</html> </html>\n");
  RepairTables(run, kPage);
  EXPECT_EQ(files.Contents(kPage), "<html><table><tr><td><table><tr><td>x</html>  \n  \n");
}

TEST(NestedTableTag, KeepsAWidthClassAndGivesOtherClassesTheWidth) {
  const struct {
    int level;
    const char* tag;
    const char* rebuilt;
  } cases[] = {
      {2, "table class=\"wi__60%\"", "<table CLASS=\"wi__60%\" WIDTH=\"60%\">"},
      {2, "table class=\"w__50\"", "<table CLASS=\"w__50\">"},
      {2, "table CLASS=\"box\" WIDTH=\"80%\" BGCOLOR=\"ccc\" BORDERCOLOR=\"#111\"",
       "<table BGCOLOR=\"#ccc\" BORDERCOLOR=\"#111\" CLASS=\"W__80%\" WIDTH=\"80%\">"},
      {3, "table class=\"wi__60%\" width=\"5\"", "<table CLASS=\"W__5\" WIDTH=\"5\">"},
  };
  for (const auto& c : cases) EXPECT_EQ(NestedTableTag(c.level, c.tag), c.rebuilt) << c.tag;
}

TEST_F(TableRepairTest, LeavesAPageWithoutEndOrWithAFailedWriteWhole) {
  files.AddFile(kPage, "<table><tr><td COLSPAN=\"1\">a</td></tr></table>");
  RepairTables(run, kPage);
  EXPECT_EQ(Logs().back(), "!!!No </HTML>, tables not repaired: d:\\s\\p.html");
  files.AddFile(kPage, "<html><p>x</p></html>\n");
  files.failing_write = kPage;
  EXPECT_THROW(RepairTables(run, kPage), FileError);
  EXPECT_EQ(files.Files(), std::vector<std::string>{"d:/s/p.html"});
  EXPECT_EQ(files.Contents(kPage), "<html><p>x</p></html>\n");
}

TEST(TableBackupName, ReplacesTheExtension) {
  EXPECT_EQ(TableBackupName("d:\\s\\p.html"), "d:\\s\\p.bak");
  EXPECT_EQ(TableBackupName("d:\\s\\p.htm"), "d:\\s\\p.bak");
}

}  // namespace
}  // namespace check_html
