// The window test suites, each a QtTest object; ui_test_main.cpp runs them by name.
#pragma once

#include <memory>

#include <QObject>

namespace check_html {

std::unique_ptr<QObject> MakeBrowserTest();
std::unique_ptr<QObject> MakeCommunicationFormTest();
std::unique_ptr<QObject> MakeHtmlFormRunTest();
std::unique_ptr<QObject> MakeHtmlFormSettingsTest();
std::unique_ptr<QObject> MakeQtFrontEndTest();

}  // namespace check_html
