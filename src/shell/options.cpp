#include "shell/options.h"

#include "platform/child_process.h"

namespace check_html {

std::atomic<bool> Set_to_English{false};
std::atomic<bool> tex_html{true};
std::atomic<bool> for_mathjax{true};
std::atomic<bool> xxx_mathjax{false};
std::atomic<bool> BakClear{false};
std::atomic<bool> Look_For_SubPath{true};
std::atomic<bool> Clear_Anc{false};
std::atomic<int32_t> Old_Days{kDefaultOldDays};
std::atomic<bool> DoNice_Item{false};
std::atomic<bool> GiF2PNGItem{false};
std::atomic<bool> ChlargeImageItem{false};
std::atomic<bool> DoSpecialItem{false};

std::atomic<bool> UsePngButtons{true};
std::atomic<int32_t> TodayNumber{0};

std::string HomeLink;
std::string SpecialDir;
std::string ConverterPath = DefaultConverter();

void ResetOptions() {
  Set_to_English = false;
  tex_html = true;
  for_mathjax = true;
  xxx_mathjax = false;
  BakClear = false;
  Look_For_SubPath = true;
  Clear_Anc = false;
  Old_Days = kDefaultOldDays;
  DoNice_Item = false;
  GiF2PNGItem = false;
  ChlargeImageItem = false;
  DoSpecialItem = false;
  UsePngButtons = true;
  TodayNumber = 0;
  HomeLink.clear();
  SpecialDir.clear();
  ConverterPath = DefaultConverter();
}

}  // namespace check_html
