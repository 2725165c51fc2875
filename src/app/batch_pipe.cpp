#include "app/batch_pipe.h"

#include <exception>
#include <memory>
#include <string>

#include "comm/client/client_pipe.h"
#include "comm/stream/pipe_errors.h"
#include "comm/pipe_switch.h"
#include "comm/stream/pipe_texts.h"
#include "comm/server/server_pipe.h"
#include "comm/stream/test_comp.h"
#include "platform/stop_signal.h"

namespace check_html {
namespace {

// One exchange of the transfer; a TExceptionResult is raised as the server's error.
void Exchange(TClientPipe& client, int32_t code, int32_t data) {
  std::unique_ptr<TComponent> result;
  client.ExecuteWait(MakeTestRequest(code, data), result);
  if (const auto* failure = dynamic_cast<const TExceptionResult*>(result.get())) {
    throw EPipeError(FormatText(kServerException, failure->ExceptionClass.c_str(),
                                failure->Message.c_str()));
  }
}

void PrintList(std::FILE* out, const char* title, const PageList& list) {
  const std::vector<std::string> entries = list.Snapshot();
  std::fprintf(out, "%s %d\n", title, static_cast<int>(entries.size()) - 1);
  for (const std::string& entry : entries) {
    std::fwrite(entry.data(), 1, entry.size(), out);
    std::fputc('\n', out);
  }
}

}  // namespace

int ServePageLists(PageLists& lists, RunFrontEnd& front_end, std::FILE* log, std::FILE* err,
                   const std::function<void()>& wait_for_stop) {
  TServerPipe server(lists,
                     [&front_end](std::function<void()> call) { front_end.Synchronize(call); });
  server.OnMessage = [&front_end, log](const std::string& text) {
    front_end.LogLine(text);
    std::fflush(log);
  };
  server.SetPipeName(kPipeFacilityName);
  try {
    server.SetActive(true);
  } catch (const std::exception& error) {
    std::fprintf(err, "check_html: %s\n", error.what());
    return 1;
  }
  wait_for_stop();
  server.SetActive(false);
  return 0;
}

int ServeUntilSignal(PageLists& lists, RunFrontEnd& front_end, std::FILE* log, std::FILE* err) {
  const StopSignalBlock block;  // before the server's threads start: they inherit it
  return ServePageLists(lists, front_end, log, err, [] { WaitForStopSignal(); });
}

void FetchPageLists(PageLists& lists, const TMessageProc& on_message) {
  TClientPipe client(lists);
  client.OnMessage = on_message;
  client.StartsTestThreads = false;  // each request is made here, in order
  client.SetPipeName(kPipeFacilityName);
  client.SetActive(true);
  Exchange(client, -1, 0);
  Exchange(client, -2, 1);
  Exchange(client, -3, 0);
  Exchange(client, -4, 1);
}

int PrintFetchedLists(std::FILE* out, std::FILE* err, bool quiet) {
  auto lists = std::make_unique<PageLists>();
  TMessageProc on_message;
  if (!quiet) {
    on_message = [err](const std::string& text) {
      std::fwrite(text.data(), 1, text.size(), err);
      std::fputc('\n', err);
    };
  }
  try {
    FetchPageLists(*lists, on_message);
  } catch (const std::exception& error) {
    std::fprintf(err, "check_html: %s\n", error.what());
    return 1;
  }
  PrintList(out, "BackboneList", lists->BackboneList);
  PrintList(out, "CleanedList", lists->CleanedList);
  std::fflush(out);
  return 0;
}

}  // namespace check_html
