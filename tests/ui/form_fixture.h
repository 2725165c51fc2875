// A main window with its log window on a program folder of the test's own, the Yes/No
// questions answered by the test, and runs whose passes do nothing except that the crawl waits
// until the gate is open or the run is asked to stop (or, with `gated_runs` off, the program's
// own runs).
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include "../platform/temp_folder.h"
#include "../shell/recording_run.h"
#include "shell/start_run.h"
#include "ui/communication_form.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/html_form.h"

namespace check_html {

inline constexpr const char* kTestToday = "15.02.24";

class FormFixture {
 public:
  // `program_dir` is relative to the test's temporary folder.
  explicit FormFixture(const std::string& program_dir = "site/check")
      : program_dir_(folder.Path() + "/" + program_dir) {
    folder.Put(program_dir + "/readme.txt", "");
  }

  // Makes the windows; put the settings files in place before.
  THTMLForm& Open() {
    form = std::make_unique<THTMLForm>(
        *program, log, FormSetup{.program_dir = program_dir_,
                       .today = kTestToday,
                       .ask = [this](const QString& question) {
                         asked.push_back(question);
                         if (while_asked) while_asked();
                         return answer;
                       },
                       .make_run = MakeRun(),
                       .open_report = [this](const std::string& path) { opened.push_back(path); }});
    return *form;
  }
  const std::string& ProgramDir() const { return program_dir_; }

  // Opens the window on site/start.html and starts a run that waits at the closed gate.
  THTMLForm& OpenAndStartAHeldRun() {
    folder.Put("site/start.html", "<HTML></HTML>");
    gate = false;
    Open();
    form->DirectoryListBox1->SetFolder(folder.Path() + "/site");
    form->FilterComboBox1->setCurrentIndex(1);
    form->FileListBox1->SelectFile("start.html");
    form->Startbutton->click();
    return *form;
  }

  TempFolder folder;
  bool gated_runs = true;
  std::atomic<bool> gate{true};
  int runs_made = 0;
  QStringList asked;
  QMessageBox::StandardButton answer = QMessageBox::No;
  std::function<void()> while_asked;  // what happens while a question is open
  std::vector<std::string> opened;    // the report pages the window opened
  std::unique_ptr<Program> program = std::make_unique<Program>();
  Options& options = program->options;
  TCummunicationForm log{program->lists};
  std::unique_ptr<THTMLForm> form;

  // The run object the window holds, and its settings.
  THTML_Thread& Run() const { return *program->CurrentRun; }
  RunContext& Context() const { return program->CurrentRun->Context(); }

 private:
  RunFactory MakeRun() {
    if (!gated_runs) return {};
    return [this](const RunEnvironment& environment) {
      ++runs_made;
      auto run = std::make_unique<RecordingRun>(environment);
      run->actions["CrawlTree"] = [this](RecordingRun& held) {
        while (!gate && !held.Stopped()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      };
      return run;
    };
  }

  std::string program_dir_;
};

}  // namespace check_html
