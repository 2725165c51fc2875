// Fuzz target for what a peer sends: the bytes arrive through a real socket and are read message
// by message as the server and the client read them: the length-checked frame, the component
// stream, the data block loaded into page lists, the request executed and its data block saved.
// Any input must end in an orderly EPipeError or EBrokenPipe: no crash, no hang, no sanitizer
// report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "comm/stream/components.h"
#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_message.h"
#include "platform/named_pipe.h"
#include "site/page_lists.h"

namespace check_html {
namespace {

void Handle(PipeMessage& message, ComponentHost& host) {
  TExecutable* executable = AsExecutable(message.component.get());
  if (executable == nullptr) return;
  if (!message.data.empty()) executable->LoadData(message.data, host);
  std::unique_ptr<TComponent> result;
  int32_t status = 0;
  executable->Execute(host, result, status, host.message);
  if (TExecutable* answer = AsExecutable(result.get()); answer != nullptr && answer->PCode >= 1) {
    std::string data;
    answer->SaveData(data, host);
    EncodeMessage(1, *answer, data);
  }
}

}  // namespace
}  // namespace check_html

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace check_html;
  if (size > 128 * 1024) return 0;  // must fit the socket's buffer: nobody reads while we write
  static PageList backbone, cleaned;
  backbone.Reset("Kesta");
  cleaned.Reset("Kesta");
  ComponentHost host;
  host.backbone = &backbone;
  host.cleaned = &cleaned;
  host.message = [](const std::string&) {};
  host.start_test_thread = [](int32_t, int32_t) {};

  std::unique_ptr<PipeStream> reader, writer;
  if (!MakePipePair(reader, writer).ok()) return 0;
  writer->WriteAll(std::string(reinterpret_cast<const char*>(bytes), size));
  writer->Close();
  for (;;) {
    try {
      PipeMessage message = DecodeMessageBody(ReadMessageBody(*reader));
      Handle(message, host);
    } catch (const EPipeError&) {
      break;
    } catch (const EBrokenPipe&) {
      break;
    }
  }
  return 0;
}
