#include "ui/folder_list.h"

#include <QApplication>
#include <QStyle>

#include "platform/path_parts.h"
#include "ui/qt_text.h"

namespace check_html {
namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

FolderList::FolderList(const FileSystem& files, QWidget* parent)
    : QListWidget(parent), files_(files) {
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    SetFolder(item->data(kPathRole).toByteArray().toStdString());
  });
}

void FolderList::SetFolder(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  if (folder.empty()) folder.push_back('/');
  if (folder == folder_) return;
  folder_ = folder;
  Fill();
  emit FolderChanged();
}

void FolderList::Fill() {
  clear();
  AddEntry("/", "/", 0, true);
  std::string path;
  int depth = 0;
  for (const std::string& name : SplitPath(folder_).names) {
    path += "/" + name;
    AddEntry(path, name, ++depth, true);
  }
  setCurrentRow(count() - 1);
  for (const FolderEntry& entry : files_.ListFolder(folder_, "*")) {
    if (entry.is_folder && !entry.name.starts_with(".")) {
      AddEntry(JoinPath(path.empty() ? "/" : path, entry.name), entry.name, depth + 1, false);
    }
  }
}

void FolderList::AddEntry(const std::string& path, const std::string& name, int depth,
                          bool open) {
  QStyle::StandardPixmap icon = open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon;
  auto* item = new QListWidgetItem(QApplication::style()->standardIcon(icon),
                                   QString(depth * 2, ' ') + ToQt(name), this);
  item->setData(kPathRole, QByteArray::fromStdString(path));
}

}  // namespace check_html
