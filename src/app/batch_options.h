// The batch command line: what `check_html --batch` was asked to do, before any of it is applied.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace check_html {

struct BatchOptions {
  bool batch = false;
  bool help = false;
  std::optional<std::string> start;         // --start FILE
  std::optional<std::string> out;           // --out DIR
  std::optional<std::string> prefix;        // --prefix P
  std::optional<std::string> project;       // --project NAME
  std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE, in order
  std::optional<std::string> today;         // --today DD.MM.YY
  std::optional<std::string> settings_dir;  // --settings-dir DIR
  bool save_settings = false;
  std::optional<std::string> log_file;  // --log FILE
  bool quiet = false;
  bool check_only = false;
  bool timings = false;
  std::optional<std::string> json_file;  // --json FILE: the link check's findings as JSON
  bool fail_on_broken = false;  // --fail-on-broken: exit 3 when something broken was found
  bool serve = false;        // --serve: serve the page lists after the run until SIGINT/SIGTERM
  bool fetch_lists = false;  // --fetch-lists: no run; fetch the lists from a server and print them
  bool dry_run = false;      // --dry-run: change nothing, write what would change as a diff
  std::optional<std::string> diff_file;  // --diff FILE: where that diff goes ("-": stdout)
};

struct ParsedCommandLine {
  BatchOptions options;
  std::string error;  // empty when the command line is good
};

// Parses argv[1..]. Unknown options, missing values and --set keys that are not option flags
// give an error text; values are not checked here beyond their form.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text of --help and of a bad command line.
const char* UsageText();

// True when `key` names an option that --set accepts.
bool IsSettableKey(const std::string& key);

}  // namespace check_html
