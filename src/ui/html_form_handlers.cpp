// The main window's event handlers. They run on the window thread and keep the window fields,
// the option flags and the settings of the next run up to date.
#include "ui/html_form.h"

#include <array>
#include <atomic>
#include <optional>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include "platform/case_map.h"
#include "shell/report_names.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/qt_text.h"

namespace check_html {
namespace {

// The flags of the items of Check_Popup, in menu order.
constexpr std::array<std::atomic<bool> Options::*, 11> kMenuFlags = {
    &Options::Set_to_English,   &Options::tex_html,         &Options::for_mathjax,
    &Options::BakClear,         &Options::Look_For_SubPath, &Options::GiF2PNGItem,
    &Options::ChlargeImageItem, &Options::DoNice_Item,      &Options::DoSpecialItem,
    &Options::CheckAnchors,     &Options::CheckExternal};
constexpr size_t kTexHtmlItem = 1;

}  // namespace

void THTMLForm::ConnectHandlers() {
  ConnectBrowser();
  ConnectFields();
  ConnectPopup();
}

void THTMLForm::ConnectBrowser() {
  connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, [this] {
    DirectoryListBox1->SetFolder(DriveComboBox1->currentData().toByteArray().toStdString());
  });
  connect(DirectoryListBox1, &FolderList::FolderChanged, this, [this] { DirectoryChanged(); });
  connect(FileListBox1, &FileList::FileChanged, this, [this] { FileChanged(); });
  connect(FileEdit, &QLineEdit::returnPressed, this, [this] { FileEditEnter(); });
  connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this] {
    const std::string mask = FilterComboBox1->currentData().toByteArray().toStdString();
    FileEdit->setText(ToQt(mask));
    FileListBox1->SetMask(mask);
  });
}

void THTMLForm::ConnectFields() {
  connect(Pathhtm, &QLineEdit::textChanged, this, [this] {
    settings_.SaveDir = LowerCase(ToBytes(Pathhtm->text()));
    KeepSettings();
  });
  connect(PrefixEdit, &QLineEdit::textChanged, this, [this] { PrefixChanged(); });
  connect(ProjectNameEdit, &QLineEdit::textChanged, this, [this] {
    settings_.SaveProjectname = ToBytes(ProjectNameEdit->text());
    KeepSettings();
  });
  connect(BindBack, &QCheckBox::toggled, this, [this](bool on) {
    settings_.BindBack = on;
    KeepSettings();
  });
  connect(BindNoBack, &QCheckBox::toggled, this, [this](bool on) {
    settings_.BindNoBack = on;
    KeepSettings();
  });
  connect(ClearAncor, &QCheckBox::toggled, this, [this] { ClearAncorChanged(); });
  connect(OldDays, &QLineEdit::textChanged, this, [this] { OldDaysChanged(); });
  connect(Startbutton, &QPushButton::clicked, this, [this] { StartbuttonClick(); });
  connect(ReportsButton, &QPushButton::clicked, this, [this] { OpenFailureReport(); });
}

// A menu item's check mark and its flag change together.
void THTMLForm::ConnectPopup() {
  const QList<QAction*> items = Check_Popup->actions();
  connect(ShowPreviewItem, &QAction::triggered, this, [this] { OpenPreviewDiff(); });
  for (size_t i = 0; i < kMenuFlags.size(); ++i) {
    std::atomic<bool>* flag = &(program_.options.*kMenuFlags[static_cast<size_t>(i)]);
    connect(items[i], &QAction::triggered, this, [this, flag, i](bool on) {
      *flag = on;
      if (i == kTexHtmlItem) TexHtmlClicked(on);
    });
  }
}

// The first eight items show their flags; "Do_Special" always starts off.
void THTMLForm::ShowFlags() {
  program_.options.DoSpecialItem = false;
  const QList<QAction*> items = Check_Popup->actions();
  for (size_t i = 0; i < kMenuFlags.size(); ++i) {
    items[i]->setChecked(program_.options.*kMenuFlags[static_cast<size_t>(i)]);
  }
}

void THTMLForm::DirectoryChanged() {
  const std::string& folder = DirectoryListBox1->Folder();
  settings_.StartDir = LowerCase(folder);
  std::vector<std::string> roots;
  for (int i = 0; i < DriveComboBox1->count(); ++i) {
    roots.push_back(DriveComboBox1->itemData(i).toByteArray().toStdString());
  }
  const int drive = DriveComboBox1->findData(QByteArray::fromStdString(DriveOf(folder, roots)));
  {
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(drive);
  }
  FileListBox1->SetFolder(folder);
}

void THTMLForm::FileChanged() {
  const std::string file = FileListBox1->FileName();
  settings_.StartFile = LowerCase(file);
  if (!file.empty()) FileEdit->setText(FileListBox1->currentItem()->text());
}

// Enter in FileEdit: a mask lists the files it matches, a name selects that file.
void THTMLForm::FileEditEnter() {
  const std::string text = ToBytes(FileEdit->text());
  if (text.find_first_of("*?") != std::string::npos) {
    FileListBox1->SetMask(text);
  } else {
    FileListBox1->SelectFile(text);
  }
}

void THTMLForm::PrefixChanged() {
  settings_.SavePrefix = ToBytes(PrefixEdit->text());
  const ReportNames names = MakeReportNames(settings_.SavePrefix);
  checkhtm->setText(ToQt(names.CheckFile));
  badhtm->setText(ToQt(names.BadFile));
  dumhtm->setText(ToQt(names.DumFile));
  Indexhtm->setText(ToQt(names.IndexFile));
  Abkhtm->setText(ToQt(names.AbkFile));
  Namehtm->setText(ToQt(names.NameFile));
  Transhtm->setText(ToQt(names.TranslFile));
  Newhtm->setText(ToQt(names.NewFile));
  Anchorhtm->setText(ToQt(names.AnchorFile));
  Exthtm->setText(ToQt(names.ExtFile));
  KeepSettings();
}

// A text that is not a whole number is put back at once to the current age limit.
void THTMLForm::OldDaysChanged() {
  if (std::optional<int32_t> days = WholeNumber(ToBytes(OldDays->text()))) {
    program_.options.Old_Days = *days;
  } else {
    OldDays->setText(QString::number(program_.options.Old_Days.load()));
  }
}

void THTMLForm::ClearAncorChanged() {
  const bool on = ClearAncor->isChecked();
  program_.options.Clear_Anc = on;
  OldDays->setVisible(on);
  ActDate->setVisible(on);
}

// TeX pages bring their own chapter structure: no binding. Turning it off again shows the boxes
// without restoring what they held.
void THTMLForm::TexHtmlClicked(bool on) {
  if (on) {
    BindBack->setChecked(false);
    BindNoBack->setChecked(false);
    settings_.BindBack = settings_.BindNoBack = false;
    KeepSettings();
  }
  ShowBindBoxes(!on);
}

void THTMLForm::ShowBindBoxes(bool visible) {
  BindBack->setVisible(visible);
  BindNoBack->setVisible(visible);
}

// The run object takes the settings only while it is not running: a run in progress keeps the
// values it started with, and the next Start hands the new ones over.
void THTMLForm::KeepSettings() {
  THTML_Thread* current = program_.CurrentRun.get();
  if (current && !current->IsRunning) CopySettingsInto(settings_, current->Context());
}

}  // namespace check_html
