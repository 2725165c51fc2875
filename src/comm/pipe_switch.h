// The log window's three switches of the pipe facility, without any window code: the window's
// radio buttons call SelectNon, SelectServer and SelectClient on the window thread. `add_line`
// is the window's AddLine, `post` queues a call to the window thread (see window_call.h).
#pragma once

#include <memory>

#include "comm/client/client_pipe.h"
#include "comm/server/server_pipe.h"

namespace check_html {

inline constexpr const char* kPipeFacilityName = "html_2_pdf";

class PipeSwitch {
 public:
  // The server answers from `lists`, the client fills them.
  PipeSwitch(PageLists& lists, TMessageProc add_line, WindowPost post);
  ~PipeSwitch();  // as SelectNon

  // "Non": releases the server and the client; a connected client of the server is cut off.
  void SelectNon();
  // "Server": releases the client, creates the server on "html_2_pdf" once and activates it.
  // When the pipe cannot be created the error (std::runtime_error) is raised and the server
  // stays inactive.
  void SelectServer();
  // "Client": releases the server, creates the client once and connects it (EPipeError when
  // that fails), then asks for the cleaned-page list's count on a TTestThread.
  void SelectClient();

  TServerPipe* Server() const { return server_.get(); }
  TClientPipe* Client() const { return client_.get(); }

 private:
  PageLists& lists_;
  TMessageProc add_line_;
  WindowPost post_;
  std::unique_ptr<TServerPipe> server_;
  std::unique_ptr<TClientPipe> client_;
};

}  // namespace check_html
