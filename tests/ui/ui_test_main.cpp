// Runs the window test suites on the offscreen platform: all of them, or the one named as the
// first argument (the remaining arguments go to QtTest).
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QTest>

#include "ui_tests.h"

int main(int argc, char** argv) {
  using namespace check_html;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QObject>()>>> suites = {
      {"Browser", MakeBrowserTest},
      {"CommunicationForm", MakeCommunicationFormTest},
      {"HtmlFormRun", MakeHtmlFormRunTest},
      {"HtmlFormSettings", MakeHtmlFormSettingsTest},
      {"QtFrontEnd", MakeQtFrontEndTest},
  };
  const char* wanted = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  QStringList qt_args = {QString::fromLocal8Bit(argv[0])};
  for (int i = wanted != nullptr ? 2 : 1; i < argc; ++i) qt_args << QString::fromLocal8Bit(argv[i]);
  int failed = 0;
  for (const auto& [name, make] : suites) {
    if (wanted != nullptr && std::strcmp(wanted, name) != 0) continue;
    std::unique_ptr<QObject> suite = make();
    failed += QTest::qExec(suite.get(), qt_args);
  }
  return failed == 0 ? 0 : 1;
}
