#include "platform/ini_file.h"

#include <climits>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"

namespace check_html {
namespace {

TEST(IniFile, ReadsByWindowsProfileRules) {
  const IniFile ini = IniFile::Parse(
      "Orphan=before any section\r\n"
      "[FileInfo]\r\n"
      "  StartDir = d:\\web\\zq  \r\n"
      "; SavePrefix=commented\n"
      "SavePrefix=\t\xE4q\t\n"
      "startdir=second occurrence\n"
      "no equals sign here\n"
      "Empty=\n"
      "[ Options ]\n"
      "Set_to_English=1\n"
      "[fileinfo]\n"
      "SaveProjectname=Kesta = Script\n");
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"FILEINFO", "startdir", "d:\\web\\zq"},
      {"FileInfo", "SavePrefix", "\xE4q"},
      {"FileInfo", "Empty", ""},
      {"options", "SET_TO_ENGLISH", "1"},
      {"FileInfo", "SaveProjectname", "Kesta = Script"},
      {"FileInfo", "Orphan", "<default>"},
      {"FileInfo", "no equals sign here", "<default>"},
      {"Missing", "StartDir", "<default>"},
  };
  for (const auto& [section, key, value] : cases) {
    EXPECT_EQ(ini.ReadString(section, key, "<default>"), value) << section << "/" << key;
  }
  EXPECT_TRUE(ini.HasSection("OPTIONS"));
  EXPECT_FALSE(ini.HasKey("Options", "BakClear"));
}

TEST(IniFile, ReadsTheLeadingWholeNumberElseTheDefault) {
  const std::pair<const char*, int> cases[] = {
      {"12", 12}, {"3x", 3}, {"x", 7}, {"", 7}, {"-5", -5}, {"+4", 4}, {"- 5", 7}, {"0", 0},
      {"007", 7}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
  };
  for (const auto& [text, expected] : cases) {
    IniFile ini;
    ini.WriteString("FileInfo", "Old_Days", text);
    EXPECT_EQ(ini.ReadInteger("FileInfo", "Old_Days", 7), expected) << '"' << text << '"';
  }
  // A flag is a number, non-zero meaning on; not a number or missing gives the default.
  const IniFile flags = IniFile::Parse("[O]\nOff=0\nTwo=2\nWord=yes\n");
  EXPECT_EQ((std::vector<bool>{flags.ReadBool("O", "Off", true), flags.ReadBool("O", "Two", false),
                               flags.ReadBool("O", "Word", false), flags.ReadBool("O", "X", true)}),
            (std::vector<bool>{false, true, false, true}));
}

TEST(IniFile, WritesWindowsTextInTheOrderOfFirstUse) {
  IniFile ini = IniFile::Parse("; comment\n[FileInfo]\nStartDir=old\n");
  ini.WriteInteger("FileInfo", "Old_Days", 1000);
  ini.WriteBool("Options", "BakClear", true);
  ini.WriteBool("OPTIONS", "tex_html", false);
  ini.WriteString("fileinfo", "STARTDIR", "d:\\web\\\xE4");  // keeps its place and spelling
  EXPECT_EQ(ini.Serialize(),
            "[FileInfo]\r\nStartDir=d:\\web\\\xE4\r\nOld_Days=1000\r\n"
            "\r\n"
            "[Options]\r\nBakClear=1\r\ntex_html=0\r\n");
}

TEST(IniFile, SavesAndLoadsThroughTheFileSystem) {
  MemoryFileSystem files;
  IniFile ini;
  EXPECT_FALSE(ini.Load(files, "prog/check_html_new.ini"));
  files.AddFolder("prog");
  ini.WriteInteger("FileInfo", "Old_Days", -3);
  ASSERT_EQ(ini.Save(files, "prog/check_html_new.ini"), FileStatus::kOk);

  IniFile loaded;
  EXPECT_TRUE(loaded.Load(files, "PROG\\CHECK_HTML_NEW.INI"));
  EXPECT_EQ(loaded.Serialize(), ini.Serialize());
  files.SetIoError("prog/check_html_new.ini");  // exists but unreadable: defaults apply
  EXPECT_TRUE(loaded.Load(files, "prog/check_html_new.ini"));
  EXPECT_EQ(loaded.Serialize(), "");
}

}  // namespace
}  // namespace check_html
