// The names, abbreviations and translations lists: the anchors whose NAME begins with "!", "?"
// or "\xA7". The chain sorts them by the text after the marker: the person's name, the
// explanation of an abbreviation, the translation of a term.
#include "lists/term_lists.h"

#include <string>
#include <string_view>
#include <utility>

#include "lists/group_row.h"
#include "lists/letter_rows.h"
#include "lists/umlaut_entities.h"
#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/link_functions.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

constexpr char kNameMarker = '!';
constexpr char kAbbrevMarker = '?';
constexpr char kTranslMarker = '\xA7';

bool HasMarker(const Item& item, char marker) {
  return !item.Name.empty() && item.Name.front() == marker;
}

// The NAME after its marker.
std::string_view EntryText(const Item& item) { return std::string_view(item.Name).substr(1); }

// A row of the abbreviations and translations lists: the shown text linked to the anchor, and
// the explanation or translation.
void AddTermRow(ReportText& page, const Item& item, std::string_view save_dir,
                std::string_view meaning) {
  page.AddLine("<TR><TD WIDTH=\"300\">");
  page.AddLine("<A HREF=\"" + ReportLink(item.File, save_dir) + "#" + item.Name + "\">");
  page.AddLine(item.Text + "</A></TD>");
  page.AddLine("<TD>" + std::string(meaning) + "</TD></TR>");
}

}  // namespace

// One row per occurrence, ordered by the explanation; an occurrence is dropped only when it
// repeats both the explanation (ignoring case) and the abbreviation text of the row before.
void WriteAbbrevList(RunContext& run, const std::string& path) {
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "List of Abbraviations", "Abk&uuml;rzungsliste"));
  AddLetterBar(page);
  LetterRows letters;
  std::string last_explanation;
  std::string last_text;
  for (const Item& item : run.Database->Items()) {
    if (!HasMarker(item, kAbbrevMarker)) continue;
    const std::string_view explanation = EntryText(item);
    std::string upper = UpperCase(explanation);
    letters.AddRowBefore(page, upper);
    if (upper == last_explanation && item.Text == last_text) continue;
    AddTermRow(page, item, run.SaveDir, UmlautToEntity(explanation));
    last_explanation = std::move(upper);
    last_text = item.Text;
  }
  page.AddLine("</TABLE>");
  page.Finish();
}

// Every occurrence is a row, in chain order, the translation as it stands in the page.
void WriteTranslList(RunContext& run, const std::string& path) {
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "List of Translations", "&Uuml;bersetzungsliste"));
  page.AddLine("<TABLE BORDER=\"1\">");
  for (const Item& item : run.Database->Items()) {
    if (HasMarker(item, kTranslMarker)) AddTermRow(page, item, run.SaveDir, EntryText(item));
  }
  page.AddLine("</TABLE>");
  page.Finish();
}

// One row per name (items of equal Key), with a numbered reference to every occurrence. The
// left cell shows the first occurrence's name, linked to the target of the last occurrence that
// has an HREF.
void WriteNameList(RunContext& run, const std::string& path) {
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "List of Names", "Namensliste"));
  AddLetterBar(page);
  LetterRows letters;
  GroupRow row(run.SaveDir);
  const Item* group = nullptr;  // first item of the row being built
  std::string shown;            // its name with entities, the left cell's text
  for (const Item& item : run.Database->Items()) {
    if (!HasMarker(item, kNameMarker)) continue;
    if (group == nullptr || item.Key != group->Key) {
      if (group != nullptr) row.Write(page);
      group = &item;
      shown = UmlautToEntity(EntryText(item));
      letters.AddRowBefore(page, shown);
      row.SetLeftCell(item, shown);
    } else if (!item.Href.empty()) {
      row.SetLeftCell(item, shown);
    }
    row.AddReference(item);
  }
  if (group != nullptr) row.Write(page);
  page.AddLine("</TABLE>");
  page.Finish();
}

}  // namespace check_html
