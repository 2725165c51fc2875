#include "comm/pipe_switch.h"

#include "comm/stream/pipe_errors.h"
#include "comm/stream/pipe_texts.h"

namespace check_html {

PipeSwitch::PipeSwitch(PageLists& lists, TMessageProc add_line, WindowPost post)
    : lists_(lists), add_line_(std::move(add_line)), post_(std::move(post)) {}

PipeSwitch::~PipeSwitch() { SelectNon(); }

void PipeSwitch::SelectNon() {
  server_.reset();
  client_.reset();
}

void PipeSwitch::SelectServer() {
  client_.reset();
  if (!server_) {
    server_ = std::make_unique<TServerPipe>(lists_, post_);
    server_->OnMessage = add_line_;
    server_->SetPipeName(kPipeFacilityName);
  }
  server_->SetActive(true);
}

void PipeSwitch::SelectClient() {
  server_.reset();
  if (!client_) {
    client_ = std::make_unique<TClientPipe>(lists_, post_);
    client_->OnMessage = add_line_;
    client_->SetPipeName(kPipeFacilityName);
  }
  client_->SetActive(true);
  if (add_line_) add_line_(FormatText(kCreatingSendingThread, 1));
  client_->StartTestThread(-3, 0);
  if (add_line_) add_line_(FormatText(kThreadCreated, 1));
}

}  // namespace check_html
