#include "app/batch_settings.h"

#include <charconv>
#include <optional>

#include "platform/case_map.h"
#include "platform/current_folder.h"
#include "shell/options.h"

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

std::atomic<bool>* FlagNamed(const std::string& key) {
  if (key == "Set_to_English") return &Set_to_English;
  if (key == "tex_html") return &tex_html;
  if (key == "for_mathjax") return &for_mathjax;
  if (key == "xxx_mathjax") return &xxx_mathjax;
  if (key == "BakClear") return &BakClear;
  if (key == "Look_For_SubPath") return &Look_For_SubPath;
  if (key == "Clear_Anc") return &Clear_Anc;
  if (key == "GiF2PNGItem") return &GiF2PNGItem;
  if (key == "ChlargeImageItem") return &ChlargeImageItem;
  if (key == "DoNice_Item") return &DoNice_Item;
  if (key == "DoSpecialItem") return &DoSpecialItem;
  return nullptr;
}

std::string ApplySet(const std::string& key, const std::string& value, Settings& settings) {
  if (key == "SpecialDir") {
    SpecialDir = AbsolutePath(value);
    return "";
  }
  if (key == "Converter") {
    ConverterPath = value;
    return "";
  }
  const std::optional<int32_t> number = WholeNumber(value);
  if (!number) return "--set " + key + " takes a whole number, not: " + value;
  if (key == "Old_Days") {
    Old_Days = *number;
  } else if (key == "BindBack") {
    settings.BindBack = *number != 0;
  } else if (key == "BindNoBack") {
    settings.BindNoBack = *number != 0;
  } else {
    *FlagNamed(key) = *number != 0;
  }
  return "";
}

}  // namespace

std::string ApplyBatchSettings(const BatchOptions& options, Settings& settings) {
  settings.SaveDir = options.out ? LowerCase(AbsolutePath(*options.out)) : settings.ProgramDir;
  if (options.prefix) settings.SavePrefix = *options.prefix;
  if (options.project) settings.SaveProjectname = *options.project;
  for (const auto& [key, value] : options.sets) {
    std::string error = ApplySet(key, value, settings);
    if (!error.empty()) return error;
  }
  DeriveFromTexMode(settings);
  return "";
}

}  // namespace check_html
