// The main window's life: made with the settings read, runs started and stopped, closed with
// the settings written.
#include "ui/html_form.h"

#include <cstdio>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include "html/path_text.h"
#include "platform/case_map.h"
#include "platform/path_parts.h"
#include "shell/preview_run.h"
#include "shell/report_names.h"
#include "shell/day_number.h"
#include "ui/communication_form.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/form_texts.h"
#include "ui/qt_front_end.h"
#include "ui/qt_text.h"

namespace check_html {
namespace {

// The folder and the name of a saved start page, split at its last separator.
std::pair<std::string, std::string> SplitFile(const std::string& file) {
  const size_t slash = file.find_last_of("/\\");
  if (slash == std::string::npos) return {"", file};
  return {slash == 0 ? "/" : file.substr(0, slash), file.substr(slash + 1)};
}

}  // namespace

THTMLForm::THTMLForm(Program& program, TCummunicationForm& log_window, FormSetup setup)
    : program_(program), log_window_(log_window), setup_(std::move(setup)) {
  if (!setup_.ask) setup_.ask = WarningBoxQuestion(this);
  CreateControls();
  ConnectHandlers();
  CreateHolderRun();
  ReadFormSettings();
  FixWindowSize();
}

THTMLForm::~THTMLForm() {
  if (program_.CurrentRun) {
    program_.CurrentRun->RequestStop();
    WaitForRunEnd(*program_.CurrentRun);
  }
  ReleaseCurrentRun(program_);
}

// The holder run keeps the settings until the first Start and shows its texts in this window.
void THTMLForm::CreateHolderRun() {
  front_end_ = new QtFrontEnd(
      {.log_line = [this](const std::string& line) { log_window_.AddLine(line); },
       .status = [this](const std::string& text) { ShowStatus(text); },
       .caption = [this](const std::string& caption) { ShowCaption(caption); },
       .progress = [this](int done, int known) { ShowProgress(done, known); }},
      this);
  MakeHolderRun(program_, *front_end_, files_, settings_);
}

void THTMLForm::ReadFormSettings() {
  settings_ = ReadSettings(files_, setup_.program_dir, program_.options);
  const Settings read = settings_;
  PrefixEdit->setText(ToQt(read.SavePrefix));
  PrefixChanged();  // the file-name labels also when the text was already there
  ProjectNameEdit->setText(ToQt(read.SaveProjectname));
  BindBack->setChecked(read.BindBack);
  BindNoBack->setChecked(read.BindNoBack);
  ShowBindBoxes(read.BindBoxesVisible);
  ShowFlags();
  Pathhtm->setText(ToQt(read.SaveDir));
  ShowStartPage(read.StartDir, read.StartFile);
  ClearAncor->setChecked(program_.options.Clear_Anc);
  ClearAncorChanged();
  OldDays->setText(QString::number(program_.options.Old_Days.load()));
  ShowToday();
  KeepSettings();
  UpdateReportsButton();
}

// The folder list goes to the start folder and the file list selects the start page, from its
// own folder when it was saved elsewhere.
void THTMLForm::ShowStartPage(const std::string& start_dir, const std::string& start_file) {
  DirectoryListBox1->SetFolder(start_dir);
  if (start_file.empty()) return;
  const auto [folder, name] = SplitFile(start_file);
  if (!EqualNoCase(folder, DirectoryListBox1->Folder())) {
    DirectoryListBox1->SetFolder(folder);
  }
  FileListBox1->SelectFile(name);
}

// Today's date as the reference of the anchor age, and its day number.
void THTMLForm::ShowToday() {
  const std::string today = setup_.today.empty() ? TodayDateText() : setup_.today;
  ActDate->setText(ToQt("days from today (" + today + ")"));
  SetTodayFromDateText(program_.options, today);
}

// Writes "check_html_new.ini": the window fields and the values of the next run.
void THTMLForm::SaveFormSettings() {
  if (WriteSettings(files_, settings_, program_.options) != FileStatus::kOk) {
    std::fprintf(stderr, "check_html: could not write %s in %s\n", kSettingsFileName,
                 settings_.ProgramDir.c_str());
  }
}

void THTMLForm::StartbuttonClick() {
  THTML_Thread& current = *program_.CurrentRun;
  if (current.IsRunning) {
    if (setup_.ask(ToQt(kStopQuestion)) == QMessageBox::Yes) current.RequestStop();
    return;
  }
  KeepSettings();
  const std::string file = FileListBox1->FileName();
  const bool preview = PreviewItem->isChecked();
  RunFactory make_run = setup_.make_run;
  if (preview) {
    make_run = [](const RunEnvironment& environment) {
      return std::make_unique<PreviewRun>(environment, "");
    };
  }
  // The run's path rules expect the file list's Windows form: backslashes, lower case.
  if (!StartRun(program_, SlashToBack(LowerCase(file)), make_run)) return;
  preview_run_ = preview;
  preview_diff_.clear();
  ShowPreviewItem->setEnabled(false);
}

// A dry run's status line says so.
void THTMLForm::ShowStatus(const std::string& text) {
  ActualStateEdit->setText(ToQt(preview_run_ ? kPreviewStatusPrefix + text : text));
}

void THTMLForm::TakePreviewDiff() {
  const auto* preview = dynamic_cast<const PreviewRun*>(program_.CurrentRun.get());
  if (!preview_run_ || preview == nullptr || preview->IsRunning) return;
  const std::string& diff = preview->DiffFile();
  if (diff.empty() || !files_.Exists(diff)) return;
  preview_diff_ = diff;
  ShowPreviewItem->setEnabled(true);
}

void THTMLForm::OpenPreviewDiff() {
  if (preview_diff_.empty()) return;
  if (setup_.open_report) return setup_.open_report(preview_diff_);
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(preview_diff_)));
}

void THTMLForm::ShowCaption(const std::string& caption) {
  Startbutton->setText(ToQt(caption));
  UpdateReportsButton();
  TakePreviewDiff();
  if (close_after_run_ && !program_.CurrentRun->IsRunning) close();
}

void THTMLForm::ShowProgress(int done, int known) {
  RunProgress->setVisible(known > 0);
  RunProgress->setRange(0, std::max(known, 1));
  RunProgress->setValue(std::min(done, known));
}

// The failure report of the current settings: the output folder and the report prefix.
std::string THTMLForm::FailureReportPath() const {
  return JoinPath(settings_.SaveDir, MakeReportNames(settings_.SavePrefix).BadFile);
}

void THTMLForm::UpdateReportsButton() {
  const bool running = program_.CurrentRun && program_.CurrentRun->IsRunning;
  ReportsButton->setEnabled(!running && files_.Exists(FailureReportPath()));
}

void THTMLForm::OpenFailureReport() {
  const std::string path = FailureReportPath();
  if (setup_.open_report) return setup_.open_report(path);
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(path)));
}

// While a run is active, No keeps the window open; any other answer stops the run and closes
// the window once the run has reached its end, at once when it ended while the question was open.
void THTMLForm::closeEvent(QCloseEvent* event) {
  THTML_Thread& current = *program_.CurrentRun;
  if (current.IsRunning) {
    if (setup_.ask(ToQt(kExitQuestion)) == QMessageBox::No) return event->ignore();
    if (current.IsRunning) {
      close_after_run_ = true;
      current.RequestStop();
      return event->ignore();
    }
  }
  close_after_run_ = false;
  SaveFormSettings();
  event->accept();
}

void THTMLForm::contextMenuEvent(QContextMenuEvent* event) {
  Check_Popup->popup(event->globalPos());
}

void THTMLForm::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
  log_window_.show();
  log_window_.raise();
  log_window_.activateWindow();
}

}  // namespace check_html
