// WriteIndexList and WriteLanguageIndex. A list page is the report page frame
// around the letter bar and one table: a letter row before a group when its initial is due,
// then one row per group of items with equal keys, in chain order.
#include "lists/index_list.h"

#include <algorithm>

#include "lists/group_row.h"
#include "lists/letter_rows.h"
#include "lists/umlaut_entities.h"
#include "platform/case_map.h"
#include "run/run_context.h"
#include "site/item_chain.h"
#include "site/report_page.h"
#include "site/site_database.h"

namespace check_html {
namespace {

constexpr std::size_t kHtmlEndingSize = 5;  // ".html"

// Names of abbreviations, person names, translations and dated changes have lists of their own.
bool HasListMarker(const std::string& name) {
  if (name.empty()) return false;
  const char first = name.front();
  return first == '?' || first == '!' || first == '\xA7' || first == '$';
}

// The table rows of a list. A group starts at an item the list shows and runs over the items
// with the same Key; items of another language inside it are passed over without ending it.
// The left cell shows the first item, or the last one with an Href, linked to that Href.
// Without a `language` marker the rows are those of the index list: every term, its text
// written through UmlautToEntity; with one, only the items that pass InLanguage, as found.
void AddIndexRows(ReportText& page, const ItemChain& chain, const std::string& save_dir,
                  const std::string* language, bool wanted) {
  const auto shown = [&](const Item& item) {
    return language == nullptr || InLanguage(item.File, *language, wanted);
  };
  const auto term = [&](const Item& item) {
    return language == nullptr ? UmlautToEntity(item.Name) : item.Name;
  };
  LetterRows letters;
  GroupRow row(save_dir);
  for (auto it = chain.begin(); it != chain.end();) {
    if (HasListMarker(it->Name) || !shown(*it)) {
      ++it;
      continue;
    }
    const std::string& key = it->Key;
    letters.AddRowBefore(page, it->Name);
    row.SetLeftCell(*it, term(*it));
    for (; it != chain.end() && it->Key == key; ++it) {
      if (!shown(*it)) continue;
      if (!it->Href.empty()) row.SetLeftCell(*it, term(*it));
      row.AddReference(*it);
    }
    row.Write(page);
  }
}

}  // namespace

bool InLanguage(std::string_view page, std::string_view marker, bool wanted) {
  return (page.find(marker) != std::string_view::npos) == wanted;
}

std::string LanguageIndexPath(std::string_view index_path, std::string_view suffix) {
  std::string path(
      index_path.substr(0, index_path.size() - std::min(index_path.size(), kHtmlEndingSize)));
  path += suffix;
  path += ".html";
  return path;
}

void WriteLanguageIndex(RunContext& run, const std::string& path, const std::string& marker,
                        const std::string& suffix, bool wanted) {
  ReportPage page(run, LanguageIndexPath(path, suffix));
  page.AddHead(LowerCase(suffix) == "_en" ? "Indexlist" : "Indexliste");
  AddLetterBar(page);
  AddIndexRows(page, run.Database->Items(), run.SaveDir, &marker, wanted);
  page.AddLine("</TABLE>");
  page.Finish();
}

// The index list is the chain's last reader. Once its rows are built the chain is released as
// a whole: the marker items it passed over go with it, as no later pass reads them.
void WriteIndexList(RunContext& run, const std::string& path) {
  ReportPage page(run, path);
  page.AddHead(ChooseTitle(run.Opts, "Indexlist", "Indexliste"));
  AddLetterBar(page);
  AddIndexRows(page, run.Database->Items(), run.SaveDir, nullptr, false);
  run.Database->Items().Clear();
  page.AddLine("</TABLE>");
  page.Finish();
}

}  // namespace check_html
