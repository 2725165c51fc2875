#include "shell/settings.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/child_process.h"
#include "platform/memory_file_system.h"

namespace check_html {
namespace {

// The settings and every option that reading them sets, as "key=value" items.
std::vector<std::string> Items(const Settings& s, const Options& o) {
  auto flag = [](const char* name, bool on) { return std::string(name) + (on ? "=1" : "=0"); };
  return {"StartDir=" + s.StartDir, "StartFile=" + s.StartFile, "SaveDir=" + s.SaveDir,
          "Prefix=" + s.SavePrefix, "Project=" + s.SaveProjectname, flag("BindBack", s.BindBack),
          flag("BindNoBack", s.BindNoBack), flag("Boxes", s.BindBoxesVisible),
          flag("English", o.Set_to_English), flag("tex", o.tex_html),
          flag("mathjax", o.for_mathjax), flag("xxx", o.xxx_mathjax), flag("BakClear", o.BakClear),
          flag("SubPath", o.Look_For_SubPath), flag("ClearAnc", o.Clear_Anc),
          flag("Png", o.UsePngButtons), "Old_Days=" + std::to_string(o.Old_Days),
          "Special=" + o.SpecialDir, "Converter=" + o.ConverterPath,
          flag("Anchors", o.CheckAnchors), "SiteRoot=" + o.SiteRoot,
          flag("External", o.CheckExternal),
          "Limits=" + std::to_string(o.External.Connections) + "/" +
              std::to_string(o.External.PerHost) + "/" + std::to_string(o.External.Timeout) + "/" +
              std::to_string(o.External.CacheDays),
          "Agent=" + o.External.UserAgent};
}

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
  return text;
}

const std::string kDefaults =
    "StartDir=/sites/prog StartFile= SaveDir=/sites/prog Prefix=zq Project=zq BindBack=0 "
    "BindNoBack=0 Boxes=0 English=0 tex=1 mathjax=1 xxx=0 BakClear=0 SubPath=1 ClearAnc=0 Png=0 "
    "Old_Days=1000 Special=/sites/prog/special Converter=" + std::string(DefaultConverter()) +
    " Anchors=0 SiteRoot= External=0 Limits=32/4/15/1 Agent=check_html/1.0";

// Lines 1 StartDir, 2 StartFile, 3 SaveDir, 4 SavePrefix, 5 BindBack, 6 BindNoBack, 7 BakClear,
// 9 English, 12 Clear_Anc, 13 Old_Days, 14 SubPath, 18 for_mathjax, 19 project, 21 tex_html.
const char* const kLegacy =
    "D:\\Sites\\Web\r\n/Sites/Web/kap1/P.html\r\n/Sites/Out\r\nKz\r\n1\r\n0\r\n1\r\n9\r\n"
    "1\r\n9\r\n9\r\n1\r\n30\r\n0\r\n9\r\n9\r\n1\r\n0\r\nKesta\r\n9\r\n0\r\n";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    files_.AddFile("/Sites/Web/kap1/P.html", "<HTML></HTML>");
    files_.AddFile("/Other/x.html", "<HTML></HTML>");
    files_.AddFolder("/Sites/Prog");
  }
  // The items that differ from the settings without any settings file, read with fresh options.
  std::string ReadChanges() {
    Options options;
    std::vector<std::string> read = Items(ReadSettings(files_, "/Sites/Prog", options), options);
    std::string defaults = std::string(" ") + kDefaults + " ";
    std::vector<std::string> changed;
    for (const std::string& item : read) {
      if (defaults.find(" " + item + " ") == std::string::npos) changed.push_back(item);
    }
    return Join(changed);
  }

  MemoryFileSystem files_;
};

TEST_F(SettingsTest, ReadsEachSituationAsTheProgramDoesAtStartUp) {
  struct Case {
    const char* ini;     // nullptr: no check_html_new.ini
    const char* legacy;  // nullptr: no check_html.ini
    const char* changes;
  };
  const Case cases[] = {
      {"[FileInfo]\r\n", nullptr, "Project=Kesta - Script English=1 BakClear=1"},
      {"[FileInfo]\nStartDir=/Sites/Web/kap1\nStartFile=/Sites/Web/kap1/P.html\nSaveDir=/x\n"
       "SavePrefix=Kz\nSaveProjectname=Kesta\nOld_Days=30\nSpecialDir=/Sp\nConverter=/c\n"
       "[Options]\nBind_Back=1\nBind_NoBack=1\nSet_to_English=0\ntex_html=0\nfor_mathjax=0\n"
       "xxx_mathjax=1\nBakClear=0\nLook_For_SubPath=0\nClear_Anc=1\n",
       nullptr,
       "StartDir=/sites/web/kap1 StartFile=/sites/web/kap1/p.html Prefix=Kz Project=Kesta "
       "BindBack=1 BindNoBack=1 Boxes=1 tex=0 mathjax=0 xxx=1 SubPath=0 ClearAnc=1 Png=1 "
       "Old_Days=30 Special=/Sp Converter=/c"},
      // TeX mode clears the stored Bind flags.
      {"[Options]\nBind_Back=1\nBind_NoBack=1\n", nullptr,
       "Project=Kesta - Script English=1 BakClear=1"},
      // A start file outside the parent of the program folder is dropped.
      {"[FileInfo]\nStartDir=/Other\nStartFile=/Other/x.html\n", nullptr,
       "Project=Kesta - Script English=1 BakClear=1"},
      {nullptr, kLegacy,
       "StartDir=d:\\sites\\web StartFile=/sites/web/kap1/p.html SaveDir=/sites/out Prefix=Kz "
       "Project=Kesta BindBack=1 Boxes=1 English=1 tex=0 mathjax=0 BakClear=1 SubPath=0 "
       "ClearAnc=1 Png=1 Old_Days=30"},
      // Missing start file; flag lines that are not numbers keep their values.
      {nullptr, "a\r\n/Sites/Web/gone.html\r\nb\r\nKz\r\nyes\r\nyes\r\nyes\r\n",
       "Prefix=Kz Project="},
      {"[FileInfo]\nSavePrefix=Kz\n", kLegacy, "Prefix=Kz Project=Kesta - Script English=1 BakClear=1"},
  };
  Options options;
  EXPECT_EQ(Join(Items(ReadSettings(files_, "/Sites/Prog", options), options)), kDefaults);
  for (const Case& c : cases) {
    files_.Remove("/Sites/Prog/check_html_new.ini");
    files_.Remove("/Sites/Prog/check_html.ini");
    if (c.ini) files_.AddFile("/Sites/Prog/check_html_new.ini", c.ini);
    if (c.legacy) files_.AddFile("/Sites/Prog/check_html.ini", c.legacy);
    EXPECT_EQ(ReadChanges(), c.changes) << (c.ini ? c.ini : c.legacy);
  }
}

TEST_F(SettingsTest, WritesTheKeysAsOneAndZeroKeepsOtherKeysAndReadsThemBack) {
  files_.AddFile("/Sites/Prog/check_html_new.ini", "[FileInfo]\r\nSpecialDir=/Sp\r\n");
  Options options;
  Settings settings = ReadSettings(files_, "/Sites/Prog", options);
  settings.StartFile = "/sites/web/kap1/p.html";
  settings.SaveDir = "/sites/out";
  settings.SaveProjectname = "K\xE4sta";
  settings.BindBack = true;
  options.tex_html = false;
  options.Old_Days = 30;
  options.CheckAnchors = true;
  options.SiteRoot = "/sites/web";
  options.CheckExternal = true;
  options.External = ExternalSettings{8, 2, 5, "bot", 0};
  ASSERT_EQ(WriteSettings(files_, settings, options), FileStatus::kOk);
  EXPECT_EQ(*files_.Contents("/Sites/Prog/check_html_new.ini"),
            "[FileInfo]\r\nSpecialDir=/Sp\r\nStartDir=/sites/prog\r\n"
            "StartFile=/sites/web/kap1/p.html\r\nSaveDir=/sites/out\r\nSavePrefix=zq\r\n"
            "SaveProjectname=K\xE4sta\r\nOld_Days=30\r\nConverter=" + std::string(DefaultConverter()) +
                "\r\nSiteRoot=/sites/web\r\n\r\n"
            "[Options]\r\nBind_Back=1\r\nBind_NoBack=0\r\nSet_to_English=1\r\ntex_html=0\r\n"
            "for_mathjax=1\r\nxxx_mathjax=0\r\nBakClear=1\r\nLook_For_SubPath=1\r\n"
            "Clear_Anc=0\r\nCheckAnchors=1\r\nCheckExternal=1\r\n\r\n"
            "[External]\r\nConnections=8\r\nPerHost=2\r\nTimeout=5\r\nUserAgent=bot\r\n"
            "CacheDays=0\r\n");
  EXPECT_EQ(ReadChanges(),
            "StartFile=/sites/web/kap1/p.html Project=K\xE4sta BindBack=1 Boxes=1 English=1 "
            "tex=0 BakClear=1 Png=1 Old_Days=30 Special=/Sp Anchors=1 SiteRoot=/sites/web "
            "External=1 Limits=8/2/5/0 Agent=bot");
}

}  // namespace
}  // namespace check_html
