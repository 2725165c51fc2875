#include "shell/settings.h"

#include "platform/case_map.h"
#include "platform/ini_file.h"
#include "platform/path_parts.h"
#include "shell/legacy_settings.h"
#include "shell/start_file.h"

namespace check_html {
namespace {

constexpr const char* kFileInfo = "FileInfo";
constexpr const char* kOptions = "Options";
constexpr const char* kExternal = "External";

void ReadOption(const IniFile& ini, const char* key, std::atomic<bool>& flag, bool missing) {
  flag = ini.ReadBool(kOptions, key, missing);
}

void ReadIniSettings(const IniFile& ini, Settings& settings, Options& options) {
  settings.StartDir = ini.ReadString(kFileInfo, "StartDir", "");
  options.SpecialDir = ini.ReadString(kFileInfo, "SpecialDir", options.SpecialDir);
  options.ConverterPath = ini.ReadString(kFileInfo, "Converter", options.ConverterPath);
  options.SiteRoot = ini.ReadString(kFileInfo, "SiteRoot", options.SiteRoot);
  settings.StartFile = ini.ReadString(kFileInfo, "StartFile", "");
  settings.SaveDir = settings.ProgramDir;
  settings.SavePrefix = ini.ReadString(kFileInfo, "SavePrefix", kDefaultPrefix);
  settings.SaveProjectname =
      ini.ReadString(kFileInfo, "SaveProjectname", kStoredDefaultProjectName);
  options.Old_Days = ini.ReadInteger(kFileInfo, "Old_Days", kDefaultOldDays);

  ReadOption(ini, "Set_to_English", options.Set_to_English, true);
  ReadOption(ini, "tex_html", options.tex_html, options.tex_html);
  ReadOption(ini, "for_mathjax", options.for_mathjax, options.for_mathjax);
  ReadOption(ini, "BakClear", options.BakClear, true);
  ReadOption(ini, "Look_For_SubPath", options.Look_For_SubPath, options.Look_For_SubPath);
  ReadOption(ini, "xxx_mathjax", options.xxx_mathjax, options.xxx_mathjax);
  ReadOption(ini, "Clear_Anc", options.Clear_Anc, options.Clear_Anc);
  ReadOption(ini, "CheckAnchors", options.CheckAnchors, options.CheckAnchors);
  ReadOption(ini, "CheckExternal", options.CheckExternal, options.CheckExternal);
  ExternalSettings& external = options.External;
  external.Connections = ini.ReadInteger(kExternal, "Connections", external.Connections);
  external.PerHost = ini.ReadInteger(kExternal, "PerHost", external.PerHost);
  external.Timeout = ini.ReadInteger(kExternal, "Timeout", external.Timeout);
  external.UserAgent = ini.ReadString(kExternal, "UserAgent", external.UserAgent);
  external.CacheDays = ini.ReadInteger(kExternal, "CacheDays", external.CacheDays);
  settings.BindBack = ini.ReadBool(kOptions, "Bind_Back", settings.BindBack);
  settings.BindNoBack = ini.ReadBool(kOptions, "Bind_NoBack", settings.BindNoBack);
}

// A saved start page is kept only when it is a file under the parent of the program folder.
void DropForeignStartFile(const FileSystem& files, Settings& settings) {
  const std::string& start = settings.StartFile;
  bool kept = !start.empty() && files.Exists(start) && !files.IsFolder(start) &&
              LiesUnderParentOf(start, settings.ProgramDir);
  if (kept) return;
  settings.SaveDir = settings.ProgramDir;
  settings.StartDir = settings.ProgramDir;
  settings.StartFile.clear();
}

}  // namespace

Settings ReadStoredSettings(const FileSystem& files, std::string_view program_dir,
                            Options& options) {
  Settings settings;
  settings.ProgramDir = LowerCase(program_dir);
  settings.StartDir = settings.ProgramDir;
  settings.SaveDir = settings.ProgramDir;
  if (options.SpecialDir.empty()) options.SpecialDir = JoinPath(settings.ProgramDir, "special");

  IniFile ini;
  std::string legacy;
  if (ini.Load(files, JoinPath(settings.ProgramDir, kSettingsFileName))) {
    ReadIniSettings(ini, settings, options);
    DropForeignStartFile(files, settings);
  } else if (files.ReadFile(JoinPath(settings.ProgramDir, kLegacySettingsFileName), legacy) ==
             FileStatus::kOk) {
    ReadLegacySettings(legacy, settings, options);
    DropForeignStartFile(files, settings);
  }

  // An empty start folder would leave the folder list nowhere: it stays at the program folder.
  if (settings.StartDir.empty()) settings.StartDir = settings.ProgramDir;
  settings.StartDir = LowerCase(settings.StartDir);
  settings.StartFile = LowerCase(settings.StartFile);
  settings.SaveDir = LowerCase(settings.SaveDir);
  return settings;
}

// In TeX mode the chapter structure comes from the converter: no binding, GIF buttons.
void DeriveFromTexMode(Settings& settings, Options& options) {
  if (options.tex_html) {
    settings.BindBack = false;
    settings.BindNoBack = false;
    settings.BindBoxesVisible = false;
    options.UsePngButtons = false;
  } else {
    settings.BindBoxesVisible = true;
    options.UsePngButtons = true;
  }
}

Settings ReadSettings(const FileSystem& files, std::string_view program_dir, Options& options) {
  Settings settings = ReadStoredSettings(files, program_dir, options);
  DeriveFromTexMode(settings, options);
  return settings;
}

FileStatus WriteSettings(FileSystem& files, const Settings& settings, const Options& options) {
  std::string path = JoinPath(settings.ProgramDir, kSettingsFileName);
  IniFile ini;
  ini.Load(files, path);
  ini.WriteString(kFileInfo, "StartDir", settings.StartDir);
  ini.WriteString(kFileInfo, "StartFile", settings.StartFile);
  ini.WriteString(kFileInfo, "SaveDir", settings.SaveDir);
  ini.WriteString(kFileInfo, "SavePrefix", settings.SavePrefix);
  ini.WriteString(kFileInfo, "SaveProjectname", settings.SaveProjectname);
  ini.WriteInteger(kFileInfo, "Old_Days", options.Old_Days);
  ini.WriteString(kFileInfo, "Converter", options.ConverterPath);
  ini.WriteString(kFileInfo, "SiteRoot", options.SiteRoot);
  ini.WriteBool(kOptions, "Bind_Back", settings.BindBack);
  ini.WriteBool(kOptions, "Bind_NoBack", settings.BindNoBack);
  ini.WriteBool(kOptions, "Set_to_English", options.Set_to_English);
  ini.WriteBool(kOptions, "tex_html", options.tex_html);
  ini.WriteBool(kOptions, "for_mathjax", options.for_mathjax);
  ini.WriteBool(kOptions, "xxx_mathjax", options.xxx_mathjax);
  ini.WriteBool(kOptions, "BakClear", options.BakClear);
  ini.WriteBool(kOptions, "Look_For_SubPath", options.Look_For_SubPath);
  ini.WriteBool(kOptions, "Clear_Anc", options.Clear_Anc);
  ini.WriteBool(kOptions, "CheckAnchors", options.CheckAnchors);
  ini.WriteBool(kOptions, "CheckExternal", options.CheckExternal);
  ini.WriteInteger(kExternal, "Connections", options.External.Connections);
  ini.WriteInteger(kExternal, "PerHost", options.External.PerHost);
  ini.WriteInteger(kExternal, "Timeout", options.External.Timeout);
  ini.WriteString(kExternal, "UserAgent", options.External.UserAgent);
  ini.WriteInteger(kExternal, "CacheDays", options.External.CacheDays);
  return ini.Save(files, path);
}

}  // namespace check_html
