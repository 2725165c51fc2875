// THTMLForm, the main window: a drive, folder and file browser to pick the start page, the
// output folder, report prefix and project name, the chapter and anchor-age options, the
// right-click menu of options, the Start/Stop button and the status line. It reads the settings
// when it is made, writes them when it closes, and starts and stops the check runs.
#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "platform/disk_file_system.h"
#include "shell/settings.h"
#include "shell/start_run.h"
#include "ui/yes_no_question.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

namespace check_html {

class FileList;
class FolderList;
class QtFrontEnd;
class TCummunicationForm;

// What the window takes from the program around it.
struct FormSetup {
  std::string program_dir;  // ProgramDir, the folder of the settings files (the current folder)
  std::string today;        // date text dd.mm.yy; empty: today's date
  YesNoQuestion ask;        // the Yes/No warning questions; empty: a warning box
  RunFactory make_run;      // the run objects Start makes; empty: THTML_Thread
  // Opens a report page in the system's browser; empty: the desktop's opener of the file.
  std::function<void(const std::string& path)> open_report;
};

class THTMLForm : public QWidget {
 public:
  // `program` holds the options the menu sets, the page lists and CurrentRun.
  THTMLForm(Program& program, TCummunicationForm& log_window, FormSetup setup);
  // Releases CurrentRun; a run still active is asked to stop and waited for.
  ~THTMLForm() override;

  // The settings as the window holds them: the window fields StartDir and StartFile, and the
  // values the next run takes over. Lower case where the program keeps paths in lower case.
  const Settings& FormSettings() const { return settings_; }

  // The controls, by their role names.
  QComboBox* DriveComboBox1 = nullptr;
  FolderList* DirectoryListBox1 = nullptr;
  QLineEdit* FileEdit = nullptr;
  FileList* FileListBox1 = nullptr;
  QComboBox* FilterComboBox1 = nullptr;
  QCheckBox* ClearAncor = nullptr;
  QLineEdit* OldDays = nullptr;
  QLabel* ActDate = nullptr;
  QCheckBox* BindBack = nullptr;
  QCheckBox* BindNoBack = nullptr;
  QPushButton* Startbutton = nullptr;
  QLabel* PathLabel = nullptr;
  QLineEdit* Pathhtm = nullptr;
  QLabel* PrefixLabel = nullptr;
  QLineEdit* PrefixEdit = nullptr;
  QLabel *CheckLabel = nullptr, *BadLabel = nullptr, *DumLabel = nullptr, *IndexLabel = nullptr,
         *AbkLabel = nullptr, *NameLabel = nullptr, *TransLabel = nullptr, *NewLabel = nullptr;
  QLabel *checkhtm = nullptr, *badhtm = nullptr, *dumhtm = nullptr, *Indexhtm = nullptr,
         *Abkhtm = nullptr, *Namehtm = nullptr, *Transhtm = nullptr, *Newhtm = nullptr;
  QLabel* AnchorLabel = nullptr;  // the anchor check's report (Check Anchors)
  QLabel* Anchorhtm = nullptr;
  QLabel* ExtLabel = nullptr;  // the external-link check's report (Check External Links)
  QLabel* Exthtm = nullptr;
  QLabel* ProjectnameLabel = nullptr;
  QLineEdit* ProjectNameEdit = nullptr;
  QLineEdit* ActualStateEdit = nullptr;
  // Pages done of pages known while a run scans, rewrites or repairs them; hidden otherwise.
  QProgressBar* RunProgress = nullptr;
  // Opens the failure report of the last run in the system's browser; enabled once it exists.
  QPushButton* ReportsButton = nullptr;
  QMenu* Check_Popup = nullptr;  // its items in menu order: Check_Popup->actions()
  // In Check_Popup after the option items: Start then makes a dry run; its diff is opened by
  // ShowPreviewItem (enabled once a dry run has written one) in the system's viewer.
  QAction* PreviewItem = nullptr;
  QAction* ShowPreviewItem = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Building the window (html_form_controls.cpp).
  void CreateControls();
  QLayout* CreateBrowser();
  QLayout* CreateOptions();
  QLayout* CreateFileNames();
  void CreatePopup();
  void FixWindowSize();

  // Event handlers (html_form_handlers.cpp).
  void ConnectHandlers();
  void ConnectBrowser();
  void ConnectFields();
  void ConnectPopup();
  void DirectoryChanged();
  void FileChanged();
  void FileEditEnter();
  void PrefixChanged();
  void OldDaysChanged();
  void ClearAncorChanged();
  void TexHtmlClicked(bool on);
  void ShowBindBoxes(bool visible);
  void KeepSettings();

  // Settings, runs and closing (html_form.cpp).
  void CreateHolderRun();
  void ReadFormSettings();
  void ShowFlags();
  void ShowStartPage(const std::string& start_dir, const std::string& start_file);
  void ShowToday();
  void SaveFormSettings();
  void StartbuttonClick();
  void ShowCaption(const std::string& caption);
  void ShowProgress(int done, int known);
  std::string FailureReportPath() const;
  void UpdateReportsButton();
  void OpenFailureReport();
  void ShowStatus(const std::string& text);
  // After a dry run: its diff, and the item that opens it.
  void TakePreviewDiff();
  void OpenPreviewDiff();

  Program& program_;
  TCummunicationForm& log_window_;
  FormSetup setup_;
  DiskFileSystem files_;
  Settings settings_;
  QtFrontEnd* front_end_ = nullptr;  // a child object: lives on the window thread
  bool close_after_run_ = false;     // "Exit running Check?" was answered: close at the run's end
  bool preview_run_ = false;         // the last run started is a dry run
  std::string preview_diff_;         // the diff the last dry run wrote
};

}  // namespace check_html
