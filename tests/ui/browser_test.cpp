// The browser controls: drives in selector order, the folder chain with its subfolders, the
// file list with its masks, and the window fields they keep (StartDir, StartFile).
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "../platform/temp_folder.h"
#include "form_fixture.h"
#include "platform/disk_file_system.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/form_texts.h"
#include "ui_tests.h"

namespace check_html {
namespace {

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

class BrowserTest : public QObject {
  Q_OBJECT

 private slots:

  void theRootDriveComesFirstAndAFolderBelongsToItsLongestRoot() {
    const std::vector<std::string> roots = DriveRoots({"/mnt/b", "/home", "/mnt/b", "/boot"});
    QVERIFY((roots == std::vector<std::string>{"/", "/boot", "/home", "/mnt/b"}));
    const struct {
      const char* folder;
      const char* drive;
    } cases[] = {{"/home/web/zq", "/home"}, {"/home", "/home"}, {"/homework", "/"},
                 {"/mnt/b/x", "/mnt/b"},    {"/mnt/bb", "/"},    {"/", "/"}};
    for (const auto& c : cases) QCOMPARE(DriveOf(c.folder, roots), c.drive);
    QCOMPARE(MountedDriveRoots().front(), "/");
  }

  void theFolderListShowsTheChainAndTheVisibleSubfolders() {
    TempFolder folder;
    folder.Put("web/Kap1/x.html", "");
    folder.Put("web/backbone/y.html", "");
    folder.Put("web/.hidden/z.html", "");
    DiskFileSystem files;
    FolderList list(files);
    QSignalSpy changed(&list, &FolderList::FolderChanged);
    list.SetFolder(folder.Path() + "/web/");
    QCOMPARE(list.Folder(), folder.Path() + "/web");
    const QStringList texts = Texts(list);
    const int web = static_cast<int>(texts.size()) - 3;  // row and depth: "/" is row 0
    QCOMPARE(texts.mid(web), QStringList({QString(web * 2, ' ') + "web",
                                          QString(web * 2 + 2, ' ') + "backbone",
                                          QString(web * 2 + 2, ' ') + "Kap1"}));
    QCOMPARE(texts.front(), "/");
    QCOMPARE(list.currentRow(), web);

    emit list.itemActivated(list.item(list.count() - 1));
    QCOMPARE(list.Folder(), folder.Path() + "/web/Kap1");
    QCOMPARE(changed.count(), 2);
  }

  // The window fields follow the browser: folder and file, both in lower case. The file list
  // shows the files (not folders) its mask matches in any case.
  void theBrowserKeepsTheStartFolderAndTheStartPage() {
    FormFixture fixture;
    for (const char* name : {"Page.HTML", "notes.txt", "d.html.bak", "sub.html/e.html"}) {
      fixture.folder.Put(std::string("site/Kap1/") + name, "");
    }
    THTMLForm& form = fixture.Open();
    const std::string kap1 = fixture.folder.Path() + "/site/Kap1";
    form.DirectoryListBox1->SetFolder(kap1);
    QCOMPARE(form.FormSettings().StartDir, fixture.folder.Path() + "/site/kap1");
    QCOMPARE(Texts(*form.FileListBox1), QStringList({"Page.HTML"}));
    QVERIFY(!form.FileListBox1->SelectFile("notes.txt"));

    form.FileEdit->setText("PAGE.html");
    QTest::keyClick(form.FileEdit, Qt::Key_Return);
    QCOMPARE(form.FormSettings().StartFile, fixture.folder.Path() + "/site/kap1/page.html");
    QCOMPARE(form.FileEdit->text(), "Page.HTML");

    form.FileEdit->setText("*.txt");
    QTest::keyClick(form.FileEdit, Qt::Key_Return);
    QCOMPARE(Texts(*form.FileListBox1), QStringList({"notes.txt"}));
    QCOMPARE(form.FormSettings().StartFile, "");

    form.FilterComboBox1->setCurrentIndex(1);
    QCOMPARE(form.FileEdit->text(), "*.*");
    QCOMPARE(Texts(*form.FileListBox1), QStringList({"d.html.bak", "notes.txt", "Page.HTML"}));
    QVERIFY((ParseFilter(kFilterText) ==
             std::vector<FilterEntry>{{"HTML Files", "*.htm;*.html"}, {"All files (*.*)", "*.*"}}));

    QCOMPARE(form.DriveComboBox1->currentText(), "/");  // the drive that holds the folder
    emit form.DriveComboBox1->currentIndexChanged(0);   // the user picks the root drive
    QCOMPARE(form.DirectoryListBox1->Folder(), "/");
    QCOMPARE(form.FormSettings().StartDir, "/");
  }
};

}  // namespace

std::unique_ptr<QObject> MakeBrowserTest() { return std::make_unique<BrowserTest>(); }

}  // namespace check_html

#include "browser_test.moc"
