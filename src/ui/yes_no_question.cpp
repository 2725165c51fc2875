#include "ui/yes_no_question.h"

namespace check_html {

YesNoQuestion WarningBoxQuestion(QWidget* parent) {
  return [parent](const QString& question) {
    return QMessageBox::warning(parent, QStringLiteral("Warning"), question,
                                QMessageBox::Yes | QMessageBox::No);
  };
}

}  // namespace check_html
