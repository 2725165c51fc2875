#include "ui/file_list.h"

#include <QSignalBlocker>

#include "platform/case_map.h"
#include "platform/path_parts.h"
#include "ui/qt_text.h"

namespace check_html {

std::vector<FilterEntry> ParseFilter(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) bar = text.size();
    parts.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FilterEntry> entries;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) entries.push_back({parts[i], parts[i + 1]});
  return entries;
}

FileList::FileList(const FileSystem& files, QWidget* parent)
    : QListWidget(parent), files_(files) {
  connect(this, &QListWidget::currentRowChanged, this, [this] { emit FileChanged(); });
}

void FileList::SetFolder(const std::string& folder) {
  folder_ = folder;
  Fill();
}

void FileList::SetMask(const std::string& mask) {
  mask_ = mask;
  Fill();
}

bool FileList::SelectFile(std::string_view name) {
  for (int row = 0; row < count(); ++row) {
    if (EqualNoCase(ToBytes(item(row)->text()), name)) {
      setCurrentRow(row);
      return true;
    }
  }
  return false;
}

std::string FileList::FileName() const {
  const QListWidgetItem* selected = currentItem();
  if (selected == nullptr || !selected->isSelected()) return "";
  return JoinPath(folder_, ToBytes(selected->text()));
}

void FileList::Fill() {
  {
    const QSignalBlocker quiet(this);
    clear();
    if (!folder_.empty()) {
      for (const FolderEntry& entry : files_.ListFolder(folder_, mask_)) {
        if (!entry.is_folder) addItem(ToQt(entry.name));
      }
    }
  }
  emit FileChanged();
}

}  // namespace check_html
