// The Yes/No warning questions of the main window. The window asks through this function type,
// so a test can give the answer instead of a person.
#pragma once

#include <functional>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace check_html {

// Returns the button the user chose: Yes, No, or something else when the box was dismissed.
using YesNoQuestion = std::function<QMessageBox::StandardButton(const QString& question)>;

// A warning box over `parent` with the buttons Yes and No.
YesNoQuestion WarningBoxQuestion(QWidget* parent);

}  // namespace check_html
