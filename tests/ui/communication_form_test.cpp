// The log window: made hidden with its first line, lines appended as they come, closing only
// hides it.
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QTest>

#include "site/page_lists.h"
#include "ui/communication_form.h"

#include "comm/pipe_switch.h"
#include "ui_tests.h"

namespace check_html {
namespace {

class CommunicationFormTest : public QObject {
  Q_OBJECT

 private slots:
  // Lines are appended in order, as bytes, one character each.
  void itIsMadeHiddenWithItsFirstLineAndClosingOnlyHidesIt() {
    PageLists lists;
    QPointer<TCummunicationForm> log = new TCummunicationForm(lists);
    QCOMPARE(log->windowTitle(), "Cummunication");
    QVERIFY(log->isHidden() && log->NonButton->isChecked() && !log->ClientButton->isEnabled());
    log->show();
    log->AddLine("!!! missing: b\xE4r.html");
    log->AddLineFmt("%s=%d", "Count", -3);
    QVERIFY(log->close());
    QVERIFY(!log.isNull() && log->isHidden());
    QCOMPARE(log->CommunicationMemo->toPlainText(),
             QString::fromUtf8("HTML Pipe Communication:\n!!! missing: b\xC3\xA4r.html\nCount=-3"));
    delete log.data();
  }

  void theRadioButtonsSwitchTheServerOnAndOffAndShowItsErrors() {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    PageLists lists;
    TCummunicationForm log(lists);
    QStringList errors;
    log.ReportError = [&errors](const QString& text) { errors << text; };
    log.ServerButton->click();
    QVERIFY(log.Pipes().Server() != nullptr && log.Pipes().Server()->Active());
    log.NonButton->click();
    QCOMPARE(log.Pipes().Server(), nullptr);
    QVERIFY(errors.isEmpty());
    // A second program on the same pipe: creating it fails and the error is shown.
    TCummunicationForm other(lists);
    other.ReportError = [&errors](const QString& text) { errors << text; };
    log.ServerButton->click();
    other.ServerButton->click();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith("CreateNamedPipe failed."));
    qunsetenv("XDG_RUNTIME_DIR");
  }
};

}  // namespace

std::unique_ptr<QObject> MakeCommunicationFormTest() {
  return std::make_unique<CommunicationFormTest>();
}

}  // namespace check_html

#include "communication_form_test.moc"
