#include "ui/communication_form.h"

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <string>

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "comm/stream/pipe_errors.h"
#include "comm/pipe_switch.h"
#include "ui/form_texts.h"
#include "ui/qt_text.h"

namespace check_html {

TCummunicationForm::TCummunicationForm(PageLists& lists, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
  setWindowTitle(kLogCaption);
  // An open log window does not keep the program alive once the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  ReportError = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
  // Pipe messages come from the pipe threads: they are queued to this window's thread.
  pipes_ = std::make_unique<PipeSwitch>(
      lists, [this](const std::string& line) { AddLine(line); },
      [this](std::function<void()> call) {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
      });
  CreateControls();
  resize(520, 360);
  move(screen()->availableGeometry().center() - rect().center());
}

TCummunicationForm::~TCummunicationForm() {
  pipes_.reset();  // stops the pipe threads before the window they report to goes
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
  connect(ClientButton, &QRadioButton::clicked, this, [this] { ClientButtonClick(); });

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
  const std::string line = FormatTextV(format, args);
  va_end(args);
  AddLine(line);
}

void TCummunicationForm::NonButtonClick() { Switch(&PipeSwitch::SelectNon); }
void TCummunicationForm::ServerButtonClick() { Switch(&PipeSwitch::SelectServer); }
void TCummunicationForm::ClientButtonClick() { Switch(&PipeSwitch::SelectClient); }

// An error of a switch (the pipe cannot be created, no server answers) is shown to the user; the
// facility stays as the switch left it.
void TCummunicationForm::Switch(void (PipeSwitch::*select)()) {
  try {
    ((*pipes_).*select)();
  } catch (const std::exception& error) {
    ReportError(QString::fromLatin1(error.what()));
  }
}

}  // namespace check_html
