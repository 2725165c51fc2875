// The main window's settings: what it shows when made, how its fields and options follow the
// user, and the settings file it writes when it closes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "form_fixture.h"
#include "platform/disk_file_system.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui_tests.h"

namespace check_html {
namespace {

// What the window shows, one "name=value" item per control, for whole comparisons.
QStringList Shown(const THTMLForm& form) {
  QStringList shown = {
      "caption=" + form.windowTitle(),
      "path=" + form.Pathhtm->text(),
      "prefix=" + form.PrefixEdit->text(),
      "project=" + form.ProjectNameEdit->text(),
      "files=" + QStringList({form.checkhtm->text(), form.badhtm->text(), form.dumhtm->text(),
                              form.Indexhtm->text(), form.Abkhtm->text(), form.Namehtm->text(),
                              form.Transhtm->text(), form.Newhtm->text(), form.Anchorhtm->text(),
                              form.Exthtm->text()})
                     .join(','),
      "age=" + QString(form.ClearAncor->isChecked() ? "on " : "off ") + form.OldDays->text() +
          (form.OldDays->isHidden() ? " hidden " : " shown ") + form.ActDate->text() +
          (form.ActDate->isHidden() ? " hidden" : " shown"),
      "bind=" + QString(form.BindBack->isChecked() ? "1" : "0") +
          (form.BindNoBack->isChecked() ? "1" : "0") + (form.BindBack->isHidden() ? " hidden" : " shown") +
          (form.BindNoBack->isHidden() ? " hidden" : " shown"),
      "button=" + form.Startbutton->text(),
      "status=" + form.ActualStateEdit->text(),
  };
  QString marks;
  for (const QAction* item : form.Check_Popup->actions()) {
    if (item->isSeparator()) break;  // the option items come first
    marks += item->isChecked() ? "1" : "0";
  }
  shown << "menu=" + marks;
  return shown;
}

QStringList DefaultsShown(const QString& program_dir) {
  return {"caption=Dorwick DI7 MathJax",
          "path=" + program_dir,
          "prefix=zq",
          "project=zq",
          "files=zq_check.html,zq_bad.html,zq_dum.html,zq_index.html,zq_abk.html,zq_name.html,"
          "zq_transl.html,zq_new.html,zq_anchors.html,zq_ext.html",
          "age=off 1000 hidden days from today (15.02.24) hidden",
          "bind=00 hidden hidden",
          "button=&Start",
          "status=Idle",
          "menu=01101000000"};
}

class HtmlFormSettingsTest : public QObject {
  Q_OBJECT

 private slots:

  void withoutASettingsFileTheDefaultsApply() {
    FormFixture fixture;
    THTMLForm& form = fixture.Open();
    QCOMPARE(Shown(form), DefaultsShown(QString::fromStdString(fixture.ProgramDir())));
    QCOMPARE(fixture.options.TodayNumber.load(), 46205);
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(fixture.Context().SaveDir + " " + fixture.Context().SavePrefix + " " + fixture.Context().SaveProjectname,
             fixture.ProgramDir() + " zq zq");
  }

  // The missing Options keys give English and BakClear on and leave the rest as they were.
  // Closing writes the file back with what the user changed, its keys in their places.
  void aSettingsFileWithOnlyFileInfoIsShownAndWrittenBackWhenTheWindowCloses() {
    FormFixture fixture;
    const std::string site = fixture.folder.Path() + "/site";
    fixture.folder.Put("site/start.html", "<HTML></HTML>");
    fixture.folder.Put("site/Page.HTML", "<HTML></HTML>");
    fixture.folder.Put("site/check/check_html_new.ini",
                       "[FileInfo]\r\nSavePrefix=Kz\r\nStartDir=" + site +
                           "\r\nStartFile=" + site + "/Start.html\r\nOld_Days=30\r\n");
    THTMLForm& form = fixture.Open();
    QStringList expected = DefaultsShown(QString::fromStdString(fixture.ProgramDir()));
    expected[2] = "prefix=Kz";
    expected[3] = "project=Kesta - Script";
    expected[4] =
        "files=kz_check.html,kz_bad.html,kz_dum.html,kz_index.html,kz_abk.html,kz_name.html,"
        "kz_transl.html,kz_new.html,kz_anchors.html,kz_ext.html";
    expected[5] = "age=off 30 hidden days from today (15.02.24) hidden";
    expected[9] = "menu=11111000000";
    QCOMPARE(Shown(form), expected);
    QCOMPARE(form.FormSettings().StartDir, site);
    QCOMPARE(form.FormSettings().StartFile, site + "/start.html");
    QCOMPARE(form.FileListBox1->currentItem()->text(), "start.html");

    form.show();
    QVERIFY(form.FileListBox1->SelectFile("page.html"));
    form.PrefixEdit->setText("Qx");
    form.Check_Popup->actions()[0]->trigger();  // English off
    QVERIFY(form.close());
    std::string written;
    DiskFileSystem().ReadFile(fixture.ProgramDir() + "/check_html_new.ini", written);
    QCOMPARE(written, "[FileInfo]\r\nSavePrefix=Qx\r\nStartDir=" + site + "\r\nStartFile=" + site +
                          "/page.html\r\nOld_Days=30\r\nSaveDir=" + fixture.ProgramDir() +
                          "\r\nSaveProjectname=Kesta - Script\r\nConverter=/usr/bin/convert\r\n"
                          "SiteRoot=\r\n\r\n"
                          "[Options]\r\nBind_Back=0\r\nBind_NoBack=0\r\nSet_to_English=0\r\n"
                          "tex_html=1\r\nfor_mathjax=1\r\nxxx_mathjax=0\r\nBakClear=1\r\n"
                          "Look_For_SubPath=1\r\nClear_Anc=0\r\nCheckAnchors=0\r\n"
                          "CheckExternal=0\r\n\r\n"
                          "[External]\r\nConnections=32\r\nPerHost=4\r\nTimeout=15\r\n"
                          "UserAgent=check_html/1.0\r\nCacheDays=1\r\n");
  }

  void turningTexHtmlOffBringsTheBindBoxesBackCleared() {
    FormFixture fixture;
    fixture.folder.Put("site/check/check_html_new.ini",
                       "[Options]\r\ntex_html=0\r\nBind_Back=1\r\nBind_NoBack=1\r\n");
    THTMLForm& form = fixture.Open();
    QAction* tex = form.Check_Popup->actions()[1];
    QCOMPARE(Shown(form)[6], "bind=11 shown shown");
    QVERIFY(fixture.Context().BindBack && fixture.Context().BindNoBack);

    tex->trigger();
    QCOMPARE(Shown(form)[6], "bind=00 hidden hidden");
    QVERIFY(fixture.options.tex_html && !fixture.Context().BindBack && !fixture.Context().BindNoBack);
    tex->trigger();
    QCOMPARE(Shown(form)[6], "bind=00 shown shown");
    QVERIFY(!fixture.options.tex_html);
    QVERIFY(fixture.options.UsePngButtons);  // the button pictures change only at the next program start
  }

  void everyMenuItemTogglesItsMarkAndItsFlag() {
    FormFixture fixture;
    THTMLForm& form = fixture.Open();
    const Options& o = fixture.options;
    const std::atomic<bool>* flags[] = {&o.Set_to_English, &o.tex_html,         &o.for_mathjax,
                                        &o.BakClear,       &o.Look_For_SubPath, &o.GiF2PNGItem,
                                        &o.ChlargeImageItem, &o.DoNice_Item,    &o.DoSpecialItem,
                                        &o.CheckAnchors,   &o.CheckExternal};
    const QList<QAction*> items = form.Check_Popup->actions();
    QCOMPARE(items.size(), 14);
    QCOMPARE(items[9]->text(), "Check Anchors");
    QCOMPARE(items[10]->text(), "Check External Links");
    QVERIFY(items[11]->isSeparator());
    QCOMPARE(items[12]->text(), "Preview");
    QCOMPARE(items[13]->text(), "Show preview");
    for (qsizetype i = 0; i < 11; ++i) {
      const bool before = *flags[i];
      items[i]->trigger();
      QCOMPARE(items[i]->isChecked(), !before);
      QCOMPARE(flags[i]->load(), !before);
    }
  }

  void oldDaysTakesWholeNumbersAndPutsBackAnythingElse() {
    FormFixture fixture;
    THTMLForm& form = fixture.Open();
    form.ClearAncor->setChecked(true);
    QVERIFY(fixture.options.Clear_Anc && !form.OldDays->isHidden() && !form.ActDate->isHidden());
    // Each text in turn: what the field then shows and the age limit. Only a sign and digits
    // that fit a whole number are taken.
    const struct {
      const char* typed;
      const char* shown;
      int days;
    } cases[] = {{"250", "250", 250}, {"3x", "250", 250},  {"", "250", 250},
                 {" 7", "250", 250},  {"+40", "+40", 40},  {"-5", "-5", -5},
                 {"+-1", "-5", -5},   {"+", "-5", -5},     {"2147483648", "-5", -5}};
    for (const auto& c : cases) {
      form.OldDays->setText(c.typed);
      QCOMPARE(form.OldDays->text(), c.shown);
      QCOMPARE(fixture.options.Old_Days.load(), c.days);
    }
    form.ClearAncor->setChecked(false);
    QVERIFY(!fixture.options.Clear_Anc && form.OldDays->isHidden() && form.ActDate->isHidden());
  }
};

}  // namespace

std::unique_ptr<QObject> MakeHtmlFormSettingsTest() {
  return std::make_unique<HtmlFormSettingsTest>();
}

}  // namespace check_html

#include "html_form_settings_test.moc"
