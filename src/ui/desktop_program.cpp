#include "ui/desktop_program.h"

#include <memory>

#include <QApplication>

#include "platform/current_folder.h"
#include "ui/communication_form.h"
#include "ui/html_form.h"

namespace check_html {

int RunDesktopProgram(int& argc, char** argv) {
  QApplication application(argc, argv);
  auto program = std::make_unique<Program>();
  // The log window is made hidden; the main window shows it on a double click.
  TCummunicationForm log_window(program->lists);
  FormSetup setup;
  setup.program_dir = CurrentFolder();
  THTMLForm form(*program, log_window, setup);
  form.show();
  return application.exec();
}

}  // namespace check_html
