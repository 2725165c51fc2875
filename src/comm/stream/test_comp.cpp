#include "comm/stream/test_comp.h"

#include "comm/stream/component_stream.h"
#include "comm/stream/pipe_coding.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"
#include "platform/case_map.h"

namespace check_html {
namespace {

PageList& ListOf(const ComponentHost& host, int32_t code) {
  return code <= 2 ? *host.backbone : *host.cleaned;
}

uint32_t GetCount(std::string_view& data) {
  uint32_t value = 0;
  if (!GetFixed32(data, value)) throw EPipeError(kStreamReadError);
  return value;
}

// Stores a whole list as sent: entries 0..count, and the count of the entries that came.
void LoadEntries(std::string_view data, PageList& list, const TMessageProc& message) {
  const uint32_t size = GetCount(data);
  if (data.size() < size) throw EPipeError(kStreamReadError);
  if (size == 0 || size % kPackedEntrySize != 0 ||
      size / kPackedEntrySize > static_cast<uint32_t>(kPageListLast) + 1) {
    throw EPipeError(kInvalidDataBlock);
  }
  std::vector<std::string> entries;
  {
    const auto lock = list.Lock();
    list.Unpack(data.substr(0, size));
    list.SetCount(static_cast<int32_t>(size / kPackedEntrySize) - 1);
    entries = list.Snapshot();
  }
  if (message) {
    for (const std::string& entry : entries) message(entry);
  }
}

}  // namespace

void TTestComp::WriteProperties(ComponentWriter& writer) const {
  TExecutable::WriteProperties(writer);
  writer.PutString("Message", Message);
}

bool TTestComp::ReadProperty(const std::string& name, ComponentReader& reader) {
  if (EqualNoCase(name, "Message")) {
    Message = reader.GetString();
    return true;
  }
  return TExecutable::ReadProperty(name, reader);
}

void TTestComp::Execute(ComponentHost& sender, std::unique_ptr<TComponent>& result, int32_t&,
                        const TMessageProc& message) {
  if (message) message(Message.empty() ? std::string(kNoMessage) : FormatText(kQuoted, Message.c_str()));
  auto answer = std::make_unique<TTestComp>();
  switch (PCode) {
    case -1:
      answer->PCode = 1;
      answer->PData = sender.backbone->Count();
      answer->Message = kChildRNoSent;
      break;
    case -3:
      answer->PCode = 3;
      answer->PData = sender.cleaned->Count();
      answer->Message = kChildFNoSent;
      break;
    case -2:
    case -4:
      answer->PCode = -PCode;
      answer->PData = PData;
      answer->Message = FormatText(kChildSent, PData);
      break;
    default:
      break;
  }
  result = std::move(answer);
}

void TTestComp::LoadData(std::string_view data, ComponentHost& host) {
  if (PCode == 1 || PCode == 3) {
    const uint32_t count = GetCount(data);
    if (count > static_cast<uint32_t>(kPageListLast)) throw EPipeError(kInvalidDataBlock);
    ListOf(host, PCode).SetCount(static_cast<int32_t>(count));
    if (host.start_test_thread) host.start_test_thread(PCode == 1 ? -2 : -4, 1);
  } else if (PCode == 2 || PCode == 4) {
    LoadEntries(data, ListOf(host, PCode), host.message);
  }
}

void TTestComp::SaveData(std::string& data, ComponentHost& host) {
  if (PCode < 1 || PCode > 4) return;
  const PageList& list = ListOf(host, PCode);
  const auto lock = list.Lock();  // count and entries of one moment
  const int32_t count = list.Count();
  if (PCode == 1 || PCode == 3) {
    PData = count;
    PutFixed32(data, static_cast<uint32_t>(count));
  } else {
    const std::string block = list.Pack();
    PutFixed32(data, static_cast<uint32_t>(block.size()));
    data += block;
  }
}

std::unique_ptr<TTestComp> MakeTestRequest(int32_t code, int32_t data) {
  auto request = std::make_unique<TTestComp>();
  request->PCode = code;
  request->PData = data;
  if (code == -1) request->Message = kSendChildNo;
  if (code == -2) request->Message = FormatText(kSendChild, data);
  return request;
}

}  // namespace check_html
