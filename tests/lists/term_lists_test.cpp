#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "list_run.h"

namespace check_html {
namespace {

class TermLists : public ListTest {
 protected:
  // An anchor in d:/site/<page> whose content is `text`.
  void AddTerm(std::string name, std::string_view page, std::string text) {
    Items().InsertItem(
        Item{std::move(name), std::move(text), "", "", "", "d:/site/" + std::string(page)});
  }
};

std::string TermRow(std::string page, std::string name, std::string text, std::string meaning) {
  return CrLfLines({"<TR><TD WIDTH=\"300\">", "<A HREF=\"../" + page + "#" + name + "\">",
                    text + "</A></TD>", "<TD>" + meaning + "</TD></TR>"});
}

// Chain order puts the occurrence found last first. A row is dropped only when explanation and
// abbreviation both repeat the row before; a lower-case explanation is lettered upper-case.
TEST_F(TermLists, AbbreviationsDropOnlyOccurrencesRepeatingTheRowBefore) {
  for (const char* page : {"a.html", "b.html", "c.html"}) AddTerm("?Wechselstrom", page, "AC");
  AddTerm("?Gleichstrom", "a.html", "DC");
  AddTerm("?Gleichstrom", "b.html", "<I>GS</I>");
  AddTerm("?gleichstrom", "c.html", "DC");
  AddTerm("?arbeit", "a.html", "W");
  AddTerm("?\xD6lpreis", "a.html", "OL");
  AddAnchor("!Ampere", "d:/site/a.html");
  WriteAbbrevList(run, "d:\\site\\check\\zq_abk.html");
  EXPECT_EQ(Body("d:/site/check/zq_abk.html"),
            LetterBar() + LetterRow('A', 'A') + TermRow("a.html", "?arbeit", "W", "arbeit") +
                LetterRow('B', 'G') + TermRow("c.html", "?gleichstrom", "DC", "gleichstrom") +
                TermRow("b.html", "?Gleichstrom", "<I>GS</I>", "Gleichstrom") +
                TermRow("a.html", "?Gleichstrom", "DC", "Gleichstrom") + LetterRow('H', 'W') +
                TermRow("c.html", "?Wechselstrom", "AC", "Wechselstrom") + LetterRow('X', 'Z') +
                TermRow("a.html", "?\xD6lpreis", "OL", "&Ouml;lpreis") + "</TABLE>\r\n");
}

// The left cell keeps the first occurrence's text but links to a later one's HREF; an initial
// written as an entity gets no letter row, so the letters after A stay without anchors.
TEST_F(TermLists, NamesGroupOccurrencesAndWriteUmlautsAsEntities) {
  AddAnchor("!Ampere", "d:/site/a.html", "d:/site/bio/ampere.html", "Leben");
  AddAnchor("!ampere", "d:/site/b.html");
  AddAnchor("!\xD6zdemir", "d:/site/c.html");
  AddTerm("?Ampere", "a.html", "A");
  WriteNameList(run, "d:\\site\\check\\zq_name.html");
  EXPECT_EQ(
      Body("d:/site/check/zq_name.html"),
      LetterBar() + LetterRow('A', 'A') +
          CrLfLines({"<TR>",
                     "<TD WIDTH=\"300\"> <A HREF=\"../bio/ampere.html#leben\">ampere</A> "
                     "</TD> <TD>",
                     "<A HREF=\"../b.html#!ampere\"> [1]</A>, ",
                     "<A HREF=\"../a.html#!Ampere\"> [2]</A>, ", " </TD></TR>", "<TR>",
                     "<TD WIDTH=\"300\"> &Ouml;zdemir </TD> <TD>",
                     "<A HREF=\"../c.html#!\xD6zdemir\"> [1]</A>, ", " </TD></TR>", "</TABLE>"}));
}

// No letter bar, no duplicate test, the translation as written.
TEST_F(TermLists, TranslationsListEveryOccurrenceWithoutLetters) {
  options.Set_to_English = true;
  AddTerm("\xA7power", "a.html", "L\xE4nge");
  AddTerm("\xA7power", "b.html", "L\xE4nge");
  AddTerm("\xA7\xFCppig", "a.html", "over");
  AddTerm("?power", "a.html", "F");
  WriteTranslList(run, "d:\\site\\check\\zq_transl.html");
  EXPECT_TRUE(Written("d:/site/check/zq_transl.html")
                  .ends_with("<H1>List of Translations</H1>\r\n<TABLE BORDER=\"1\">\r\n" +
                             TermRow("b.html", "\xA7power", "L\xE4nge", "power") +
                             TermRow("a.html", "\xA7power", "L\xE4nge", "power") +
                             TermRow("a.html", "\xA7\xFCppig", "over", "\xFCppig") +
                             "</TABLE>\r\n<P CLASS=\"footer\">Author: Brisco, Kesta</P></BODY>"
                             "</HTML>\r\n"));
}

}  // namespace
}  // namespace check_html
