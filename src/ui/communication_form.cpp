#include "ui/communication_form.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/form_texts.h"
#include "ui/qt_text.h"

namespace check_html {

TCummunicationForm* CummunicationForm = nullptr;

TCummunicationForm::TCummunicationForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle(kLogCaption);
  // An open log window does not keep the program alive once the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  CreateControls();
  resize(520, 360);
  move(screen()->availableGeometry().center() - rect().center());
  CummunicationForm = this;
}

TCummunicationForm::~TCummunicationForm() {
  if (CummunicationForm == this) CummunicationForm = nullptr;
}

void TCummunicationForm::CreateControls() {
  CommunicationMemo = new QPlainTextEdit(this);
  CommunicationMemo->setLineWrapMode(QPlainTextEdit::NoWrap);  // scroll bars both ways
  CommunicationMemo->setPlainText(kLogFirstLine);

  NonButton = new QRadioButton(kNonButtonText, this);
  ServerButton = new QRadioButton(kServerButtonText, this);
  ClientButton = new QRadioButton(kClientButtonText, this);
  NonButton->setChecked(true);
  ClientButton->setEnabled(false);
  connect(NonButton, &QRadioButton::clicked, this, [this] { NonButtonClick(); });
  connect(ServerButton, &QRadioButton::clicked, this, [this] { ServerButtonClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(NonButton);
  buttons->addWidget(ServerButton);
  buttons->addWidget(ClientButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CommunicationMemo);
  layout->addLayout(buttons);
}

void TCummunicationForm::AddLine(std::string_view text) {
  CommunicationMemo->appendPlainText(ToQt(text));
}

void TCummunicationForm::AddLineFmt(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list count_args;
  va_copy(count_args, args);
  const int size = std::vsnprintf(nullptr, 0, format, count_args);
  va_end(count_args);
  std::string line(size > 0 ? static_cast<size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(line.data(), line.size() + 1, format, args);
  va_end(args);
  AddLine(line);
}

// The pipe facility is off: nothing runs that would have to be stopped.
void TCummunicationForm::NonButtonClick() {}

void TCummunicationForm::ServerButtonClick() { AddLine(kNoPipeServerLine); }

}  // namespace check_html
