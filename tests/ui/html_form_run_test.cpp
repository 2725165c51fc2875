// Starting and stopping runs from the main window, closing it during a run, and a whole run of
// the sample site with its log in the log window.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "form_fixture.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/form_texts.h"
#include "ui_tests.h"

namespace check_html {
namespace {

constexpr int kRunTimeoutMs = 60000;

QStringList MemoLines(const TCummunicationForm& log) {
  return log.CommunicationMemo->toPlainText().split('\n');
}

class HtmlFormRunTest : public QObject {
  Q_OBJECT

 private slots:

  // Which names count as pages is the start file's rule; here only that the window applies it.
  void startTakesOnlyPagesByTheirExtension() {
    FormFixture fixture;
    for (const char* name : {"notes.txt", "PAGE.HTML"}) {
      fixture.folder.Put(std::string("site/") + name, "<HTML></HTML>");
    }
    THTMLForm& form = fixture.Open();
    form.DirectoryListBox1->SetFolder(fixture.folder.Path() + "/site");
    form.FilterComboBox1->setCurrentIndex(1);
    QVERIFY(form.FileListBox1->SelectFile("notes.txt"));
    form.Startbutton->click();
    QCOMPARE(fixture.runs_made, 0);

    QVERIFY(form.FileListBox1->SelectFile("PAGE.HTML"));
    form.Startbutton->click();
    QCOMPARE(fixture.runs_made, 1);
    const std::string expected = fixture.folder.Path() + "/site/PAGE.HTML";
    QCOMPARE(QString::fromStdString(fixture.Context().StartFile),
             QString::fromStdString(expected).replace('/', '\\').toLower());
    QTRY_VERIFY(!fixture.Run().IsRunning);
    QTRY_COMPARE(form.Startbutton->text(), "&Start");
    QCOMPARE(form.ActualStateEdit->text(), "Idle");
    QVERIFY(fixture.asked.isEmpty());
  }

  // Stop asks first and stops on Yes. A run keeps the settings it started with; the next Start
  // takes the new ones. The progress bar shows while a pass reports its progress.
  void stopAsksFirstAndARunKeepsTheSettingsItStartedWith() {
    FormFixture fixture;
    THTMLForm& form = fixture.OpenAndStartAHeldRun();
    QTRY_COMPARE(form.Startbutton->text(), "&Stop");
    QVERIFY(form.RunProgress->isHidden());
    fixture.Context().ShowProgress(3, 10);
    QTRY_VERIFY(!form.RunProgress->isHidden());
    QCOMPARE(form.RunProgress->value(), 3);
    QCOMPARE(form.RunProgress->maximum(), 10);
    form.PrefixEdit->setText("late");
    form.Pathhtm->setText("/Late");
    form.Startbutton->click();
    QVERIFY(fixture.Run().IsRunning && !fixture.Run().Stopped());
    fixture.answer = QMessageBox::Yes;
    form.Startbutton->click();
    QVERIFY(fixture.Run().Stopped());
    QCOMPARE(fixture.asked, QStringList({kStopQuestion, kStopQuestion}));
    QCOMPARE(fixture.Context().SavePrefix + " " + fixture.Context().SaveDir, "zq " + fixture.ProgramDir());
    QTRY_COMPARE(form.Startbutton->text(), "&Start");
    QCOMPARE(form.ActualStateEdit->text(), "Idle");
    QVERIFY(form.RunProgress->isHidden());  // every pass ends its progress

    fixture.gate = true;
    form.Startbutton->click();
    QCOMPARE(fixture.Context().CheckFile + " " + fixture.Context().SaveDir, "late_check.html /late");
    QTRY_VERIFY(!fixture.Run().IsRunning);
  }

  // No keeps the window open; Yes closes it once the run has reached its end.
  void closingDuringARunAsksAndWaitsForTheRunsEnd() {
    FormFixture fixture;
    THTMLForm& form = fixture.OpenAndStartAHeldRun();
    form.show();
    QVERIFY(!form.close());
    QVERIFY(form.isVisible() && fixture.Run().IsRunning && !fixture.Run().Stopped());
    fixture.answer = QMessageBox::Cancel;  // any answer but No closes
    QVERIFY(!form.close());
    QCOMPARE(fixture.asked, QStringList({kExitQuestion, kExitQuestion}));
    QTRY_VERIFY(!form.isVisible());
    QVERIFY(!fixture.Run().IsRunning);
    QVERIFY(std::filesystem::exists(fixture.ProgramDir() + "/check_html_new.ini"));
  }

  // The run reaches its end while the question is open: Yes then closes the window at once.
  void aRunEndingWhileTheExitQuestionIsOpenStillCloses() {
    FormFixture fixture;
    THTMLForm& form = fixture.OpenAndStartAHeldRun();
    form.show();
    QTRY_COMPARE(form.Startbutton->text(), "&Stop");
    fixture.answer = QMessageBox::Yes;
    bool ended = false;
    fixture.while_asked = [&fixture, &form, &ended] {
      fixture.gate = true;
      ended = QTest::qWaitFor([&form] { return form.Startbutton->text() == "&Start"; },
                              kRunTimeoutMs);
    };
    QVERIFY(form.close());
    QVERIFY(ended);
    QVERIFY(!form.isVisible() && !fixture.Run().IsRunning);
  }

  void aDoubleClickShowsTheLogWindow() {
    FormFixture fixture;
    THTMLForm& form = fixture.Open();
    form.show();
    QVERIFY(fixture.log.isHidden());
    QTest::mouseDClick(form.PathLabel, Qt::LeftButton);  // a label passes it to the window
    QVERIFY(fixture.log.isVisible());
  }

  // A run started with "Preview" checked changes nothing, says so on the status line, and
  // "Show preview" then opens its diff; a run without it is a real run again.
  void aPreviewChangesNothingAndShowPreviewOpensItsDiff() {
    FormFixture fixture("site/zq/html/check");
    fixture.gated_runs = false;
    const std::filesystem::path site = fixture.folder.Path() + "/site";
    std::filesystem::copy(CHECK_HTML_SAMPLE_SITE, site, std::filesystem::copy_options::recursive);
    THTMLForm& form = fixture.Open();
    form.DirectoryListBox1->SetFolder((site / "zq/html").native());
    QVERIFY(form.FileListBox1->SelectFile("start.html"));
    QVERIFY(!form.ShowPreviewItem->isEnabled());
    form.PreviewItem->setChecked(true);
    form.Startbutton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.Run().IsRunning, kRunTimeoutMs);
    QTRY_COMPARE(form.Startbutton->text(), "&Start");
    QCOMPARE(form.ActualStateEdit->text(), "Preview: Idle");
    QVERIFY(!form.ReportsButton->isEnabled());  // no report was written
    QVERIFY(!std::filesystem::exists(site / "zq/html/start.bak"));
    QVERIFY(form.ShowPreviewItem->isEnabled());
    form.ShowPreviewItem->trigger();
    const std::string diff = fixture.ProgramDir() + "/zq_preview.diff";
    QCOMPARE(fixture.opened, std::vector<std::string>{diff});
    QVERIFY(std::filesystem::file_size(diff) > 0);

    form.PreviewItem->setChecked(false);
    form.Startbutton->click();
    QVERIFY(!form.ShowPreviewItem->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.Run().IsRunning, kRunTimeoutMs);
    QTRY_COMPARE(form.Startbutton->text(), "&Start");
    QCOMPARE(form.ActualStateEdit->text(), "Idle");
    QVERIFY(std::filesystem::exists(site / "zq/html/start.bak"));
  }

  // The window's log of a whole run equals the batch program's log of the same site.
  void aWholeRunOfTheSampleSiteEndsIdleWithItsLinesLogged() {
    FormFixture fixture("site/zq/html/check");
    fixture.gated_runs = false;
    const std::filesystem::path site = fixture.folder.Path() + "/site";
    const auto fresh_copy = [&site] {
      std::filesystem::remove_all(site);
      std::filesystem::copy(CHECK_HTML_SAMPLE_SITE, site,
                            std::filesystem::copy_options::recursive);
    };
    fresh_copy();
    THTMLForm& form = fixture.Open();
    form.DirectoryListBox1->SetFolder((site / "zq/html").native());
    QVERIFY(form.FileListBox1->SelectFile("start.html"));
    QVERIFY(!form.ReportsButton->isEnabled());  // no failure report yet
    form.Startbutton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.Run().IsRunning, kRunTimeoutMs);
    QTRY_COMPARE(form.Startbutton->text(), "&Start");
    QCOMPARE(form.ActualStateEdit->text(), "Idle");
    QVERIFY(form.ReportsButton->isEnabled());
    form.ReportsButton->click();
    QCOMPARE(fixture.opened, std::vector<std::string>{fixture.ProgramDir() + "/zq_bad.html"});
    QStringList window_log = MemoLines(fixture.log);
    QCOMPARE(window_log.takeFirst(), kLogFirstLine);

    fresh_copy();
    const std::string log_file = fixture.folder.Path() + "/batch.log";
    const QString start = QString::fromStdString((site / "zq/html/start.html").native());
    QCOMPARE(QProcess::execute(CHECK_HTML_PROGRAM,
                               {"--batch", "--start", start, "--settings-dir",
                                QString::fromStdString(fixture.ProgramDir()), "--today", kTestToday,
                                "--quiet", "--log", QString::fromStdString(log_file)}),
             0);
    std::stringstream batch_log;
    batch_log << std::ifstream(log_file, std::ios::binary).rdbuf();
    QStringList batch_lines = QString::fromLatin1(batch_log.str()).split('\n');
    batch_lines.removeLast();  // after the last line end
    QCOMPARE(window_log, batch_lines);
  }
};

}  // namespace

std::unique_ptr<QObject> MakeHtmlFormRunTest() { return std::make_unique<HtmlFormRunTest>(); }

}  // namespace check_html

#include "html_form_run_test.moc"
