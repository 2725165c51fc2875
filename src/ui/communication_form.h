// TCummunicationForm, the log window: a memo that collects every log line of the program, and
// the three radio buttons that switch the pipe facility between off ("Non"), server and client
// (disabled). It is made hidden at start; closing it only hides it again.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QRadioButton;

namespace check_html {

class PipeSwitch;
struct PageLists;

class TCummunicationForm : public QWidget {
 public:
  // The pipe server answers from `lists`, the client fills them.
  explicit TCummunicationForm(PageLists& lists, QWidget* parent = nullptr);
  ~TCummunicationForm() override;

  // Appends `text` as one new last line of the memo. Call on the window thread.
  void AddLine(std::string_view text);
  // printf-like formatting (%s, %d, ...) into one line; the compiler checks the arguments.
  void AddLineFmt(const char* format, ...) __attribute__((format(printf, 2, 3)));

  QPlainTextEdit* CommunicationMemo = nullptr;
  QRadioButton* NonButton = nullptr;
  QRadioButton* ServerButton = nullptr;
  QRadioButton* ClientButton = nullptr;

  // The pipe facility the radio buttons switch (server and client; none at start).
  PipeSwitch& Pipes() { return *pipes_; }
  // How an error of a radio button's handler is shown; a message box unless replaced (tests).
  std::function<void(const QString&)> ReportError;

 private:
  void CreateControls();
  void NonButtonClick();
  void ServerButtonClick();
  void ClientButtonClick();
  void Switch(void (PipeSwitch::*select)());

  std::unique_ptr<PipeSwitch> pipes_;
};

}  // namespace check_html
