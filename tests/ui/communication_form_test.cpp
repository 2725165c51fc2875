// The log window: made hidden with its first line, lines appended as they come, closing only
// hides it.
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include "ui/communication_form.h"
#include "ui_tests.h"

namespace check_html {
namespace {

class CommunicationFormTest : public QObject {
  Q_OBJECT

 private slots:
  void itIsMadeHiddenWithItsFirstLineAndThePipeSwitchOff() {
    TCummunicationForm log;
    QCOMPARE(log.windowTitle(), "Cummunication");
    QVERIFY(log.isHidden());
    QCOMPARE(log.CommunicationMemo->toPlainText(), "HTML Pipe Communication:");
    QCOMPARE(QStringList({log.NonButton->text(), log.ServerButton->text(),
                          log.ClientButton->text()}),
             QStringList({"Non", "Server", "Client"}));
    QVERIFY(log.NonButton->isChecked() && !log.ClientButton->isEnabled());
    QCOMPARE(CummunicationForm, &log);
  }

  void linesAreAppendedInOrderAsBytes() {
    TCummunicationForm log;
    log.AddLine("!!! missing: b\xE4r.html");
    log.AddLineFmt("Thread %d created", 1);
    log.AddLineFmt("%s=%d", "Count", -3);
    QCOMPARE(log.CommunicationMemo->toPlainText(),
             QString::fromUtf8("HTML Pipe Communication:\n!!! missing: b\xC3\xA4r.html\n"
                               "Thread 1 created\nCount=-3"));
  }

  void closingOnlyHidesItAndTheServerSaysItIsNotThereYet() {
    QPointer<TCummunicationForm> log = new TCummunicationForm;
    log->show();
    log->AddLine("kept");
    QVERIFY(log->close());
    QVERIFY(!log.isNull() && log->isHidden());
    QVERIFY(log->CommunicationMemo->toPlainText().endsWith("\nkept"));
    log->ServerButton->click();
    QVERIFY(log->CommunicationMemo->toPlainText().endsWith(
        "\nkept\nThe pipe server is not available yet."));
    delete log.data();
    QCOMPARE(CummunicationForm, nullptr);
  }
};

}  // namespace

std::unique_ptr<QObject> MakeCommunicationFormTest() {
  return std::make_unique<CommunicationFormTest>();
}

}  // namespace check_html

#include "communication_form_test.moc"
