// The file list (FileListBox1) and its filter entries. The list shows the files of one folder
// whose names match a Windows mask ("*.htm;*.html", case-insensitive), sorted as the file layer
// lists them; its selected file is the start page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QListWidget>

#include "platform/file_system.h"

namespace check_html {

struct FilterEntry {
  std::string caption;
  std::string mask;
  bool operator==(const FilterEntry&) const = default;
};

// Splits a filter text "caption|mask|caption|mask" into its entries; a caption without a mask
// is dropped.
std::vector<FilterEntry> ParseFilter(std::string_view text);

class FileList : public QListWidget {
  Q_OBJECT

 public:
  explicit FileList(const FileSystem& files, QWidget* parent = nullptr);

  // Both list the files afresh; the selection is lost.
  void SetFolder(const std::string& folder);
  void SetMask(const std::string& mask);
  const std::string& Mask() const { return mask_; }

  // Selects the listed file of this name (any letter case); false when there is none.
  bool SelectFile(std::string_view name);
  // The selected file with its folder; empty when nothing is selected.
  std::string FileName() const;

 signals:
  // The selection changed (also to none).
  void FileChanged();

 private:
  void Fill();

  const FileSystem& files_;
  std::string folder_;
  std::string mask_;
};

}  // namespace check_html
