// The folder tree list (DirectoryListBox1): the chain of folders from the root down to the
// current folder, then the current folder's subfolders one step further in. Activating an entry
// (double click or Enter) makes it the current folder. Folders are listed through the program's
// file layer, so a folder given in another letter case is still found; hidden folders (a name
// beginning with ".") are left out.
#pragma once

#include <string>

#include <QListWidget>

#include "platform/file_system.h"

namespace check_html {

class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(const FileSystem& files, QWidget* parent = nullptr);

  // Goes to `folder` (a trailing separator is dropped) and emits FolderChanged when it differs
  // from the current one.
  void SetFolder(std::string folder);
  const std::string& Folder() const { return folder_; }

 signals:
  void FolderChanged();

 private:
  void Fill();
  void AddEntry(const std::string& path, const std::string& name, int depth, bool open);

  const FileSystem& files_;
  std::string folder_;
};

}  // namespace check_html
