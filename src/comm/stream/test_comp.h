// The application's request and result class: the page-list transfer.
//
//   request PCode  request PData  result PCode  result PData          result Message
//   -1             0              1             count of BackboneList  "Child rNo sent to client"
//   -2             n              2             n                      "Child <n> sent to client"
//   -3             0              3             count of CleanedList   "Child fNo sent to client"
//   -4             n              4             n                      "Child <n> sent to client"
//   other                         0             0                      (empty)
//
// Data blocks (SaveData writes them when the result is sent, LoadData reads them):
//   PCode 1 / 3   fixed32 count of BackboneList / CleanedList (also put into PData)
//   PCode 2 / 4   fixed32 n = (count + 1) * 256, then n bytes: entries 0..count of the list,
//                 256 bytes each (see site/page_list_coding.h); the whole list whatever PData was
#pragma once

#include <string>

#include "comm/stream/components.h"

namespace check_html {

class TTestComp : public TExecutable {
 public:
  std::string Message;  // shown in the log

  std::string ClassName() const override { return "TTestComp"; }
  void WriteProperties(ComponentWriter& writer) const override;
  bool ReadProperty(const std::string& name, ComponentReader& reader) override;

  // Logs the request's Message in double quotes (or "<no message>") and builds the result of
  // the table above.
  void Execute(ComponentHost& sender, std::unique_ptr<TComponent>& result, int32_t& status,
               const TMessageProc& message) override;
  // Client side. Codes 1 and 3 store the count and ask for the whole list (code -2 / -4, data 1);
  // codes 2 and 4 store the entries, set the count to the last entry sent, and log every entry.
  void LoadData(std::string_view data, ComponentHost& host) override;
  void SaveData(std::string& data, ComponentHost& host) override;
};

// A request of the transfer: Message "Send Child No" for code -1, "Send Child <data>" for -2,
// empty otherwise.
std::unique_ptr<TTestComp> MakeTestRequest(int32_t code, int32_t data);

}  // namespace check_html
