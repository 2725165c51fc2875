#include "app/batch_settings.h"

#include <charconv>
#include <optional>

#include "platform/case_map.h"
#include "platform/current_folder.h"

namespace check_html {
namespace {

std::optional<int32_t> WholeNumber(const std::string& text) {
  int32_t value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

std::atomic<bool>* FlagNamed(Options& options, const std::string& key) {
  if (key == "Set_to_English") return &options.Set_to_English;
  if (key == "tex_html") return &options.tex_html;
  if (key == "for_mathjax") return &options.for_mathjax;
  if (key == "xxx_mathjax") return &options.xxx_mathjax;
  if (key == "BakClear") return &options.BakClear;
  if (key == "Look_For_SubPath") return &options.Look_For_SubPath;
  if (key == "Clear_Anc") return &options.Clear_Anc;
  if (key == "GiF2PNGItem") return &options.GiF2PNGItem;
  if (key == "ChlargeImageItem") return &options.ChlargeImageItem;
  if (key == "DoNice_Item") return &options.DoNice_Item;
  if (key == "DoSpecialItem") return &options.DoSpecialItem;
  if (key == "CheckAnchors") return &options.CheckAnchors;
  if (key == "CheckExternal") return &options.CheckExternal;
  return nullptr;
}

int32_t* ExternalNumberNamed(ExternalSettings& external, const std::string& key) {
  if (key == "Connections") return &external.Connections;
  if (key == "PerHost") return &external.PerHost;
  if (key == "Timeout") return &external.Timeout;
  if (key == "CacheDays") return &external.CacheDays;
  return nullptr;
}

std::string ApplySet(const std::string& key, const std::string& value, Settings& settings,
                     Options& options) {
  if (key == "SpecialDir") {
    options.SpecialDir = AbsolutePath(value);
    return "";
  }
  if (key == "Converter") {
    options.ConverterPath = value;
    return "";
  }
  if (key == "SiteRoot") {
    options.SiteRoot = value.empty() ? value : AbsolutePath(value);
    return "";
  }
  if (key == "UserAgent") {
    options.External.UserAgent = value;
    return "";
  }
  const std::optional<int32_t> number = WholeNumber(value);
  if (!number) return "--set " + key + " takes a whole number, not: " + value;
  if (int32_t* limit = ExternalNumberNamed(options.External, key)) {
    // A limit of no requests or no seconds would check nothing; CacheDays=0 asks everything.
    const int32_t least = key == "CacheDays" ? 0 : 1;
    if (*number < least) return "--set " + key + " takes a number of at least " + std::to_string(least);
    *limit = *number;
  } else if (key == "Old_Days") {
    options.Old_Days = *number;
  } else if (key == "BindBack") {
    settings.BindBack = *number != 0;
  } else if (key == "BindNoBack") {
    settings.BindNoBack = *number != 0;
  } else {
    *FlagNamed(options, key) = *number != 0;
  }
  return "";
}

}  // namespace

std::string ApplyBatchSettings(const BatchOptions& batch, Settings& settings, Options& options) {
  settings.SaveDir = batch.out ? LowerCase(AbsolutePath(*batch.out)) : settings.ProgramDir;
  if (batch.prefix) settings.SavePrefix = *batch.prefix;
  if (batch.project) settings.SaveProjectname = *batch.project;
  for (const auto& [key, value] : batch.sets) {
    std::string error = ApplySet(key, value, settings, options);
    if (!error.empty()) return error;
  }
  DeriveFromTexMode(settings, options);
  return "";
}

}  // namespace check_html
