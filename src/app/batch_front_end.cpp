#include "app/batch_front_end.h"

#include "platform/process_info.h"

namespace check_html {
namespace {

bool LooksLikePath(const std::string& word) {
  return word.find('/') != std::string::npos || word.find('\\') != std::string::npos;
}

}  // namespace

std::string StatusPassName(const std::string& status) {
  std::string name;
  size_t pos = 0;
  while (pos < status.size()) {
    size_t end = status.find(' ', pos);
    if (end == std::string::npos) end = status.size();
    const std::string word = status.substr(pos, end - pos);
    if (LooksLikePath(word)) break;
    if (!word.empty()) name += (name.empty() ? "" : " ") + word;
    pos = end + 1;
  }
  return name;
}

BatchFrontEnd::BatchFrontEnd(std::FILE* log, std::FILE* progress)
    : log_(log), progress_(progress) {}

void BatchFrontEnd::LogLine(const std::string& text) {
  std::lock_guard lock(mutex_);
  if (progress_shown_ && progress_ != nullptr && log_ == stdout && IsTerminal(stdout)) {
    std::fputs("\r\033[K", progress_);  // the log line must not land inside the progress text
    progress_shown_ = false;
  }
  std::fwrite(text.data(), 1, text.size(), log_);
  std::fputc('\n', log_);
  DrawProgress();
}

void BatchFrontEnd::ShowStatus(const std::string& text) {
  std::lock_guard lock(mutex_);
  status_ = text;
  const std::string pass = StatusPassName(text);
  if (pass != pass_) {
    pass_ = pass;
    pass_count_ = 0;
    done_ = known_ = 0;
  }
  ++pass_count_;
  DrawProgress();
}

void BatchFrontEnd::SetButtonCaption(const std::string&) {}

void BatchFrontEnd::ShowProgress(int done, int known) {
  std::lock_guard lock(mutex_);
  done_ = done;
  known_ = known;
}

void BatchFrontEnd::Synchronize(const std::function<void()>& call) {
  // There is no window thread: the call runs inline, one at a time.
  std::lock_guard lock(sync_mutex_);
  call();
}

std::string BatchFrontEnd::LastStatus() const {
  std::lock_guard lock(mutex_);
  return status_;
}

void BatchFrontEnd::EndProgress() {
  std::lock_guard lock(mutex_);
  if (progress_ != nullptr && progress_shown_) std::fputs("\r\033[K", progress_);
  progress_shown_ = false;
}

void BatchFrontEnd::DrawProgress() {
  if (progress_ == nullptr || status_.empty()) return;
  std::string line = status_;
  if (known_ > 0) {
    line += " [" + std::to_string(done_) + "/" + std::to_string(known_) + "]";
  } else if (pass_count_ > 1 || line != pass_) {
    line += " [" + std::to_string(pass_count_) + "]";
  }
  const size_t width = static_cast<size_t>(TerminalWidth(progress_)) - 1;
  if (line.size() > width) line = "..." + line.substr(line.size() - (width - 3));
  std::fputs("\r\033[K", progress_);
  std::fwrite(line.data(), 1, line.size(), progress_);
  std::fflush(progress_);
  progress_shown_ = true;
}

}  // namespace check_html
