#include "ui/drive_list.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace check_html {

std::vector<std::string> DriveRoots(std::vector<std::string> mounted) {
  mounted.push_back("/");
  std::sort(mounted.begin(), mounted.end(), [](const std::string& a, const std::string& b) {
    if ((a == "/") != (b == "/")) return a == "/";
    return a < b;
  });
  mounted.erase(std::unique(mounted.begin(), mounted.end()), mounted.end());
  return mounted;
}

std::string DriveOf(const std::string& folder, const std::vector<std::string>& roots) {
  std::string best = "/";
  for (const std::string& root : roots) {
    const bool holds = folder == root ||
                       (folder.size() > root.size() && folder.starts_with(root) &&
                        (root.back() == '/' || folder[root.size()] == '/'));
    if (holds && root.size() > best.size()) best = root;
  }
  return best;
}

std::vector<std::string> MountedDriveRoots() {
  std::vector<std::string> mounted;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Single files mounted into a container are volumes too, but no drive to browse.
    if (volume.isValid() && QFileInfo(volume.rootPath()).isDir()) {
      mounted.push_back(QFile::encodeName(volume.rootPath()).toStdString());
    }
  }
  return DriveRoots(std::move(mounted));
}

}  // namespace check_html
