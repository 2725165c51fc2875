// Building the main window: its controls, their texts and the layout. Pixel positions are not
// part of the program's behaviour; the window takes the size its layout asks for and keeps it.
#include "ui/html_form.h"

#include <array>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/html_thread.h"
#include "ui/drive_list.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "ui/form_texts.h"
#include "ui/qt_text.h"

namespace check_html {
namespace {

// A control that keeps its place in the layout while hidden, so the window does not jump.
template <typename Widget>
Widget* KeepPlace(Widget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}

}  // namespace

void THTMLForm::CreateControls() {
  setWindowTitle(kFormCaption);
  // Fixed size: it can be minimised, not maximised.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(CreateBrowser());
  layout->addSpacing(12);
  layout->addLayout(CreateOptions());
  CreatePopup();
}

QLayout* THTMLForm::CreateBrowser() {
  DriveComboBox1 = new QComboBox(this);
  for (const std::string& root : MountedDriveRoots()) {
    DriveComboBox1->addItem(ToQt(root), QByteArray::fromStdString(root));
  }
  DirectoryListBox1 = new FolderList(files_, this);
  FileEdit = new QLineEdit(kDefaultFileMask, this);
  FileListBox1 = new FileList(files_, this);
  FileListBox1->SetMask(kDefaultFileMask);
  FilterComboBox1 = new QComboBox(this);
  for (const FilterEntry& entry : ParseFilter(kFilterText)) {
    FilterComboBox1->addItem(ToQt(entry.caption), QByteArray::fromStdString(entry.mask));
  }
  DirectoryListBox1->setMinimumSize(250, 190);
  FileListBox1->setMinimumSize(250, 190);

  auto* browser = new QVBoxLayout;
  browser->addWidget(DriveComboBox1);
  browser->addWidget(DirectoryListBox1);
  browser->addWidget(FileEdit);
  browser->addWidget(FileListBox1);
  browser->addWidget(FilterComboBox1);
  return browser;
}

QLayout* THTMLForm::CreateOptions() {
  ClearAncor = new QCheckBox(kClearAncorText, this);
  OldDays = KeepPlace(new QLineEdit(this));
  OldDays->setMaximumWidth(60);
  ActDate = KeepPlace(new QLabel(this));
  BindBack = KeepPlace(new QCheckBox(kBindBackText, this));
  BindNoBack = KeepPlace(new QCheckBox(kBindNoBackText, this));
  PathLabel = new QLabel(kPathLabelText, this);
  Pathhtm = new QLineEdit(this);
  PrefixLabel = new QLabel(kPrefixLabelText, this);
  PrefixEdit = new QLineEdit(this);
  ProjectnameLabel = new QLabel(kProjectnameLabelText, this);
  ProjectNameEdit = new QLineEdit(this);
  Startbutton = new QPushButton(kStartCaption, this);
  ActualStateEdit = new QLineEdit(kIdleStatus, this);
  ActualStateEdit->setReadOnly(true);  // written by the runs only
  RunProgress = KeepPlace(new QProgressBar(this));
  RunProgress->setMaximumWidth(140);
  RunProgress->setFormat("%v/%m");
  RunProgress->hide();
  ReportsButton = new QPushButton(kReportsButtonText, this);
  ReportsButton->setEnabled(false);

  auto* age = new QHBoxLayout;
  age->addWidget(ClearAncor);
  age->addWidget(OldDays);
  age->addWidget(ActDate);
  age->addStretch();
  auto* bind = new QHBoxLayout;
  bind->addWidget(BindBack);
  bind->addWidget(BindNoBack);
  bind->addStretch();
  auto* fields = new QGridLayout;
  fields->addWidget(PathLabel, 0, 0);
  fields->addWidget(Pathhtm, 0, 1);
  fields->addWidget(PrefixLabel, 1, 0);
  fields->addWidget(PrefixEdit, 1, 1);
  fields->addWidget(ProjectnameLabel, 2, 0);
  fields->addWidget(ProjectNameEdit, 2, 1);
  fields->setColumnMinimumWidth(1, 260);
  auto* run = new QHBoxLayout;
  run->addWidget(Startbutton);
  run->addWidget(ActualStateEdit, 1);
  run->addWidget(RunProgress);
  run->addWidget(ReportsButton);

  auto* options = new QVBoxLayout;
  options->addLayout(age);
  options->addLayout(bind);
  options->addSpacing(8);
  options->addLayout(fields);
  options->addSpacing(8);
  options->addLayout(CreateFileNames());
  options->addStretch();
  options->addLayout(run);
  return options;
}

// The report names, each a name label with the label that shows the file name: the eight of
// every run, then the reports of the added checks.
QLayout* THTMLForm::CreateFileNames() {
  constexpr int kRows = 10;
  const std::array<std::pair<QLabel**, const char*>, kRows> names = {{
      {&CheckLabel, kCheckLabelText}, {&BadLabel, kBadLabelText},
      {&DumLabel, kDumLabelText},     {&IndexLabel, kIndexLabelText},
      {&AbkLabel, kAbkLabelText},     {&NameLabel, kNameLabelText},
      {&TransLabel, kTransLabelText}, {&NewLabel, kNewLabelText},
      {&AnchorLabel, kAnchorLabelText}, {&ExtLabel, kExtLabelText},
  }};
  const std::array<QLabel**, kRows> files = {&checkhtm, &badhtm,   &dumhtm, &Indexhtm, &Abkhtm,
                                             &Namehtm,  &Transhtm, &Newhtm, &Anchorhtm,
                                             &Exthtm};
  auto* grid = new QGridLayout;
  for (int row = 0; row < kRows; ++row) {
    auto [name_label, text] = names[static_cast<size_t>(row)];
    *name_label = new QLabel(text, this);
    *files[static_cast<size_t>(row)] = new QLabel(this);
    grid->addWidget(*name_label, row, 0);
    grid->addWidget(*files[static_cast<size_t>(row)], row, 1);
  }
  grid->setColumnStretch(1, 1);
  return grid;
}

void THTMLForm::CreatePopup() {
  Check_Popup = new QMenu(this);
  for (const char* text : {kEnglishItemText, kTexHtmlItemText, kMathJaxItemText,
                           kBakClearItemText, kSubPathItemText, kGifItemText,
                           kLargeImageItemText, kDoNiceItemText, kDoSpecialItemText,
                           kCheckAnchorsItemText, kCheckExternalItemText}) {
    Check_Popup->addAction(text)->setCheckable(true);
  }
  Check_Popup->addSeparator();
  PreviewItem = Check_Popup->addAction(kPreviewItemText);
  PreviewItem->setCheckable(true);
  ShowPreviewItem = Check_Popup->addAction(kShowPreviewItemText);
  ShowPreviewItem->setEnabled(false);
}

void THTMLForm::FixWindowSize() {
  adjustSize();
  setFixedSize(size());
}

}  // namespace check_html
