#include "site/pic_ref_switch.h"

#include "site/link_functions.h"
#include "site/text_file.h"

namespace check_html {

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t done = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos;
       at = text.find(from, done)) {
    result.append(text, done, at - done);
    result += to;
    done = at + from.size();
  }
  result.append(text, done);
  return result;
}

void SwitchPicRef(FileSystem& files, const std::string& page, const std::string& picture) {
  const std::string old_ref = RelativeFrom(page, picture);
  if (old_ref.size() < 4) return;  // not a name with a four-character extension
  const std::string new_ref = old_ref.substr(0, old_ref.size() - 4) + ".png";
  const std::string work_file = page + "_d";
  SaveTextFile(files, work_file, ReplaceEvery(LoadTextFile(files, page), old_ref, new_ref));
  DeleteFile(files, page);
  RenameFile(files, work_file, page);
}

}  // namespace check_html
