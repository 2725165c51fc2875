#include "app/batch_options.h"

#include <array>
#include <string_view>

namespace check_html {
namespace {

constexpr std::array<std::string_view, 24> kSettableKeys = {
    "Set_to_English", "tex_html",  "for_mathjax",      "xxx_mathjax",  "BakClear",
    "Look_For_SubPath", "Clear_Anc", "BindBack",        "BindNoBack",   "GiF2PNGItem",
    "ChlargeImageItem", "DoNice_Item", "DoSpecialItem", "Old_Days",     "SpecialDir",
    "Converter",        "CheckAnchors", "SiteRoot",     "CheckExternal", "Connections",
    "PerHost",          "Timeout",      "UserAgent",    "CacheDays"};

// Options that take a value, and where the value goes.
std::optional<std::string>* ValueSlot(BatchOptions& o, std::string_view name) {
  if (name == "--start") return &o.start;
  if (name == "--out") return &o.out;
  if (name == "--prefix") return &o.prefix;
  if (name == "--project") return &o.project;
  if (name == "--today") return &o.today;
  if (name == "--settings-dir") return &o.settings_dir;
  if (name == "--log") return &o.log_file;
  if (name == "--json") return &o.json_file;
  if (name == "--diff") return &o.diff_file;
  return nullptr;
}

bool* FlagSlot(BatchOptions& o, std::string_view name) {
  if (name == "--batch") return &o.batch;
  if (name == "--help") return &o.help;
  if (name == "--save-settings") return &o.save_settings;
  if (name == "--quiet") return &o.quiet;
  if (name == "--check-only") return &o.check_only;
  if (name == "--timings") return &o.timings;
  if (name == "--fail-on-broken") return &o.fail_on_broken;
  if (name == "--serve") return &o.serve;
  if (name == "--fetch-lists") return &o.fetch_lists;
  if (name == "--dry-run") return &o.dry_run;
  return nullptr;
}

}  // namespace

bool IsSettableKey(const std::string& key) {
  for (std::string_view k : kSettableKeys) {
    if (k == key) return true;
  }
  return false;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine result;
  BatchOptions& o = result.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (bool* flag = FlagSlot(o, arg)) {
      *flag = true;
      continue;
    }
    const bool is_set = arg == "--set";
    std::optional<std::string>* slot = ValueSlot(o, arg);
    if (!is_set && slot == nullptr) {
      result.error = "unknown option: " + arg;
      return result;
    }
    if (i + 1 >= args.size()) {
      result.error = "missing value after " + arg;
      return result;
    }
    const std::string& value = args[++i];
    if (!is_set) {
      *slot = value;
      continue;
    }
    const size_t eq = value.find('=');
    const std::string key = value.substr(0, eq);
    if (eq == std::string::npos || !IsSettableKey(key)) {
      result.error = "--set takes KEY=VALUE with one of the option flags, not: " + value;
      return result;
    }
    o.sets.emplace_back(key, value.substr(eq + 1));
  }
  if (!o.batch && !o.help && args.size() > 0) {
    result.error = "options need --batch";
  } else if (o.serve && o.fetch_lists) {
    result.error = "--serve and --fetch-lists do not go together";
  } else if (o.dry_run && (o.serve || o.save_settings)) {
    result.error = "--dry-run changes nothing: it does not go with --serve or --save-settings";
  } else if (o.diff_file && !o.dry_run) {
    result.error = "--diff needs --dry-run";
  }
  return result;
}

const char* UsageText() {
  return "usage:\n"
         "  check_html                     open the main window\n"
         "  check_html --batch [options]   one check run without a window, then exit\n"
         "  check_html --help              this text\n"
         "options:\n"
         "  --start FILE          start page\n"
         "  --out DIR             output folder for reports and lists\n"
         "  --prefix P            report file name prefix\n"
         "  --project NAME        project name\n"
         "  --set KEY=VALUE       option flag (Set_to_English, tex_html, for_mathjax, xxx_mathjax,\n"
         "                        BakClear, Look_For_SubPath, Clear_Anc, BindBack, BindNoBack,\n"
         "                        GiF2PNGItem, ChlargeImageItem, DoNice_Item, DoSpecialItem: 0/1;\n"
         "                        CheckAnchors, CheckExternal: 0/1; Old_Days: days; SpecialDir,\n"
         "                        SiteRoot: folder; Converter: program; external links:\n"
         "                        Connections, PerHost (requests at once), Timeout (seconds),\n"
         "                        UserAgent (text), CacheDays (days))\n"
         "  --today DD.MM.YY      date from which anchor ages are counted (default: today)\n"
         "  --settings-dir DIR    folder of the settings files (default: current folder)\n"
         "  --save-settings       write check_html_new.ini at the end\n"
         "  --log FILE            log lines to FILE instead of standard output\n"
         "  --quiet               no progress display\n"
         "  --check-only          link check only: reports written, nothing else changed\n"
         "  --timings             at the end, the seconds each pass took (on standard error)\n"
         "  --json FILE           the link check's findings as one JSON document\n"
         "  --fail-on-broken      exit 3 when the run found a missing page, picture, anchor\n"
         "                        (CheckAnchors) or broken external link (CheckExternal)\n"
         "  --serve               after the run, serve the page lists on the pipe html_2_pdf\n"
         "                        until stopped (SIGINT or SIGTERM; on Windows Ctrl+C,\n"
         "                        Ctrl+Break or closing the console)\n"
         "  --fetch-lists         no run: fetch both page lists from a serving check_html and\n"
         "                        print them\n"
         "  --dry-run             the whole run, changing nothing: every change it would make\n"
         "                        is written as a diff for patch -p1, with a summary in the log\n"
         "  --diff FILE           where the dry run's diff goes (- for standard output;\n"
         "                        default: PREFIX_preview.diff in the output folder)\n"
         "exit codes: 0 run ended, 1 a file error ended the run (--fetch-lists: no lists came),\n"
         "            2 bad command line or start file, 3 (--fail-on-broken) something broken\n";
}

}  // namespace check_html
