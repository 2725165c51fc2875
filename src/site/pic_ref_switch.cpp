#include "site/pic_ref_switch.h"

#include "html/text_scan.h"
#include "site/link_functions.h"
#include "site/text_file.h"

namespace check_html {

// The new text replaces the page in one step, so the page never exists under another name only.
void SwitchPicRef(FileSystem& files, const std::string& page, const std::string& picture) {
  const std::string old_ref = RelativeFrom(page, picture);
  if (old_ref.size() < 4) return;  // not a name with a four-character extension
  const std::string new_ref = old_ref.substr(0, old_ref.size() - 4) + ".png";
  std::string text = LoadTextFile(files, page);
  ReplaceAll(text, old_ref, new_ref);
  SaveTextFile(files, page, text);
}

}  // namespace check_html
