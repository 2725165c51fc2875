// Takes the pictures of both windows for the documentation: makes the windows for a program
// folder, selects the start page, shows the anchor age fields, runs a check from the start page,
// waits for its end, and saves main_window.png and log_window.png. The settings file is not
// written. Run it on a scratch copy of a site:
//   check_html_screenshots PROGRAM_DIR START_PAGE OUT_DIR
#include <cstdio>
#include <memory>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>

#include "platform/current_folder.h"
#include "shell/html_thread.h"
#include "ui/communication_form.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/html_form.h"
#include "ui/qt_front_end.h"

int main(int argc, char** argv) {
  using namespace check_html;
  if (argc != 4) {
    std::fputs("usage: check_html_screenshots PROGRAM_DIR START_PAGE OUT_DIR\n", stderr);
    return 2;
  }
  const std::string program_dir = AbsolutePath(argv[1]);
  const std::string start_page = AbsolutePath(argv[2]);
  const QString out_dir = QString::fromLocal8Bit(argv[3]);
  QApplication application(argc, argv);
  auto program = std::make_unique<Program>();
  TCummunicationForm log_window(program->lists);
  FormSetup setup;
  setup.program_dir = program_dir;
  THTMLForm form(*program, log_window, setup);
  const size_t slash = start_page.rfind('/');
  form.DirectoryListBox1->SetFolder(start_page.substr(0, slash));
  form.FileListBox1->SelectFile(start_page.substr(slash + 1));
  form.ClearAncor->setChecked(true);
  form.show();
  log_window.show();
  form.Startbutton->click();
  if (program->CurrentRun) WaitForRunEnd(*program->CurrentRun);
  QApplication::processEvents();

  const bool saved = form.grab().save(out_dir + "/main_window.png") &&
                     log_window.grab().save(out_dir + "/log_window.png");
  if (!saved) std::fputs("check_html_screenshots: could not save the pictures\n", stderr);
  return saved ? 0 : 1;
}
