#include "lists/latex_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../run/run_fixture.h"
#include "lists/latex_entry_text.h"
#include "lists/latex_idx_reader.h"

namespace check_html {
namespace {

TEST(LatexIdxReader, LinesEndAtCrOrLfAndKeep255Characters) {
  IdxReader reader("a\r\nb\n\nc\r\n\r\n" + std::string(300, 'x') + "\ny");
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadIdxLine());
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "", std::string(255, 'x'), "y"}));
}

// Nested groups balance; "\{" and "\}" are characters; an open group never reads past the line.
TEST(LatexIdxReader, BraceFieldTakesWholeGroupsInsideTheLine) {
  struct Case {
    std::string line;
    std::size_t from;
    std::optional<std::string> field;
    std::size_t after;
  };
  for (const Case& c :
       {Case{"\\beforeentry{r_se1.html}{dx3-2001}{}", 0, "r_se1.html", 23},
        Case{"\\beforeentry{r_se1.html}{dx3-2001}{}", 23, "dx3-2001", 33},
        Case{"\\indexentry{M\\\"{u}ller}{5}", 0, "M\\\"{u}ller", 22},
        Case{"{a\\}b}", 0, "a\\}b", 5}, Case{"\\indexentry{Halb", 0, std::nullopt, 0},
        Case{"{a{b}", 0, std::nullopt, 0}, Case{"{a} no second group", 2, std::nullopt, 2}}) {
    std::size_t at = c.from;
    EXPECT_EQ(BraceField(c.line, at), c.field) << c.line;
    EXPECT_EQ(at, c.after) << c.line;
  }
}

TEST(LatexEntryText, UmlautsBecomeEntitiesAndMakeindexNotationIsResolved) {
  struct Case {
    std::string text, shown, sort;
  };
  for (const Case& c : std::vector<Case>{
           {"Gr\\\"o\\ss e\\/", "Gr&ouml;&szlig; e ", "Gr&ouml;&szlig; e "},
           {"\\\"Ubergang!\\\"{A}\\\"{u}\\ss{}", "&Uuml;bergang!&Auml;&uuml;&szlig;",
            "&Uuml;bergang!&Auml;&uuml;&szlig;"},
           {"Uebergang@\\\"Ubergang", "&Uuml;bergang", "Uebergang"},
           {"Feld!elektrisch@\\emph{e}|see{Spannung}", "Feld!\\emph{e}", "Feld!elektrisch"},
           {"at \"@ \"| \\\"a@b", "b", "at \"@ \"| &auml;"},
           {"Ausruf \"!", "Ausruf \"!", "Ausruf \"!"},
           {"Halbleiter!dotiert!n-Typ", "Halbleiter!dotiert!n-Typ", "Halbleiter!dotiert!n-Typ"}}) {
    EXPECT_EQ(LatexToEntity(ShownEntryText(c.text)), c.shown) << c.text;
    EXPECT_EQ(LatexToEntity(SortEntryText(c.text)), c.sort) << c.text;
  }
  EXPECT_EQ(Unquoted("at \"@ \"\" \\\"a"), "at @ \" \\\"a");
  // Each replacing pass keeps 254 characters.
  EXPECT_EQ(LatexToEntity(std::string(250, 'x') + "\\\"a"), std::string(250, 'x') + "&aum");
}

class LatexIndex : public ::testing::Test, protected RunParts<> {
 protected:
  LatexIndex() {
    options.tex_html = true;
    run.StartFile = "d:\\doc\\r_.html";
    run.SaveProjectname = "Kesta";
    run.SectionPage = "r_se3.html";
    run.RefList = {"zq"};
    files.AddFolder("d:/doc");
  }

  void Run(const std::string& idx) {
    files.AddFile("d:/doc/r_.idx", idx);
    WriteLatexIndex(run);
  }
  // The lines between the heading and the bar of a written index page.
  std::string Body(const std::string& path = "d:/doc/r_li2.html") const {
    const std::string page = files.Contents(path).value_or("(missing)");
    const std::size_t begin = page.find("Index</H2>\n");
    const std::size_t end = page.find("<HR SIZE");
    if (begin == std::string::npos || end == std::string::npos) return page;
    return page.substr(begin + 11, end - begin - 11);
  }
};

std::string Record(const std::string& link, const std::string& text) {
  const std::size_t hash = link.find('#');
  return "\\beforeentry{" + link.substr(0, hash) + "}{" + link.substr(hash + 1) +
         "}{}\n\\indexentry{" + text + "}{1}\n";
}

std::string Refs(const std::vector<std::string>& links) {
  std::string refs;
  for (std::size_t n = 1; n <= links.size(); ++n) {
    if (n > 1) refs += ", ";
    refs += "<A HREF=\"" + links[n - 1] + "\">[" + std::to_string(n) + "]</A>";
  }
  return refs;
}

const std::string kNb = "&#x00A0;&#x00A0;";
const std::string kItem = "<span class=\"index-item\">";
const std::string kSub = "<span class=\"index-subitem\">" + kNb + kNb;
const std::string kEnd = "<Br></span>\n";
const std::string kFirstParagraph = "<P class=\"theindex\">\n";
const std::string kParagraph = "</P><P class=\"theindex\">\n";

// Keys equal but for letter case sort together as groups of their own; a new initial opens a
// paragraph. (Groups, their order, sub-items and levels shared with the group before: the
// converter chapter's run.)
TEST_F(LatexIndex, KeysEqualButForLetterCaseAreGroupsOfTheirOwn) {
  Run(Record("c#6", "Bandl\\\"ucke") + Record("c#7", "abc") + Record("d#8", "Abc"));
  EXPECT_EQ(Body(), kFirstParagraph + kItem + "Abc" + kNb + Refs({"d#8"}) + kEnd + kItem + "abc" +
                        kNb + Refs({"c#7"}) + kEnd + kParagraph + kItem + "Bandl&uuml;cke" + kNb +
                        Refs({"c#6"}) + kEnd + "</P>\n");
  EXPECT_FALSE(files.Contents("d:/doc/r_lii.html"));
}

// A record with a line without complete groups or with an empty line is skipped; an entry too
// long for the 255 characters of a key is left off the page, though its link is listed.
TEST_F(LatexIndex, WithoutACompleteRecordThePageHasNoParagraph) {
  std::string long_text;
  for (int i = 0; i < 80; ++i) long_text += "\\\"a";
  Run("\\beforeentry{a}{1}{}\n\\indexentry{Halb\n\\beforeentry{a}{2}{}\r\n\r\n" +
      Record("b#3", long_text));
  EXPECT_EQ(Body(), "</P>\n");  // the head and bar around it: the converter chapter's run
  EXPECT_EQ(run.RefList, (std::vector<std::string>{"zq", "FILE r_li2.html", "b#3"}));
}

TEST_F(LatexIndex, WithoutAnIndexFileOrABaseNameNothingIsWritten) {
  WriteLatexIndex(run);
  files.AddFile("d:/doc.v2/r_.idx", Record("a#1", "x"));
  run.StartFile = "d:\\doc.v2\\r_";
  WriteLatexIndex(run);
  EXPECT_EQ(files.Log(), std::vector<std::string>{});
  EXPECT_EQ(run.RefList, std::vector<std::string>{"zq"});
}

// A starred heading before the index takes an "li" number, so r_li2.html may be another page.
// Without an index page among the numbered "li" pages the new page stays in the work file.
TEST_F(LatexIndex, APageThatIsNoIndexPageIsNeverReplaced) {
  const std::string contents = "<title>Contents</title><div class=\"tableofcontents\">";
  files.AddFile("d:/doc/r_li2.html", contents);
  files.AddFile("d:/doc/r_lix.html", "<div class=\"theindex\">");
  Run(Record("a#1", "x"));
  EXPECT_EQ(files.Contents("d:/doc/r_li2.html"), contents);
  EXPECT_NE(files.Contents("d:/doc/r_lii.html").value_or("").find("[1]"), std::string::npos);
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"log !!!d:\\doc\\r_li2.html is no index page; the LaTeX index "
                                     "stays in d:\\doc\\r_lii.html"});
}

// Real converter output: a starred heading makes r_li3.html the index page, and the entries use
// braced umlauts, "sort@shown" (sorted by the sort part, under its initial), page formats and
// quoted characters.
TEST_F(LatexIndex, TheConvertersOwnIndexFileAndPagesOfANotationDocument) {
  const std::filesystem::path data =
      std::filesystem::path(CHECK_HTML_SOURCE_DIR) / "tests/data/converter_notation";
  for (const char* name : {"r_.idx", "r_li1.html", "r_li2.html", "r_li3.html"}) {
    std::stringstream bytes;
    bytes << std::ifstream(data / name, std::ios::binary).rdbuf();
    files.AddFile(std::string("d:/doc/") + name, bytes.str());
  }
  const std::optional<std::string> contents = files.Contents("d:/doc/r_li2.html");
  WriteLatexIndex(run);
  const std::string se1 = "r_se1.html#dx4-";
  EXPECT_EQ(Body("d:/doc/r_li3.html"),
            kFirstParagraph + kItem + "at-Zeichen @" + kNb + Refs({se1 + "3006"}) + kEnd + kItem +
                "Ausruf !" + kNb + Refs({se1 + "3007"}) + kEnd + kParagraph + kItem + "Bereich" +
                kNb + Refs({se1 + "3009", se1 + "3008"}) + kEnd + kParagraph + kItem + "Ebene" +
                kNb + Refs({"r_se2.html#dx5-4001", se1 + "3004"}) + kEnd + kParagraph + kItem +
                "Feld" + kEnd + kSub + "\\emph{elektrisch}" + kNb + Refs({se1 + "3005"}) + kEnd +
                kParagraph + kItem + "Gr&ouml;&szlig;e" + kNb + Refs({se1 + "3002"}) + kEnd +
                kParagraph + kItem + "M&uuml;ller" + kNb + Refs({se1 + "3001"}) + kEnd +
                kParagraph + kItem + "Vorwort" + kNb + Refs({"r_li1.html#dx2-1001"}) + kEnd +
                kParagraph + kItem + "Zahl" + kNb + Refs({"r_se2.html#dx5-4002"}) + kEnd + kItem +
                "\\textbf{Zahl}" + kNb + Refs({se1 + "3003"}) + kEnd + "</P>\n");
  EXPECT_EQ(files.Contents("d:/doc/r_li2.html"), contents);
  EXPECT_EQ(front_end.Events(),
            std::vector<std::string>{"log +++LaTeX index page is d:\\doc\\r_li3.html"});
  EXPECT_EQ(run.RefList[1], "FILE r_li3.html");
}

}  // namespace
}  // namespace check_html
