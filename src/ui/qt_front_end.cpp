#include "ui/qt_front_end.h"

#include <chrono>
#include <thread>
#include <utility>

#include <QCoreApplication>
#include <QThread>

#include "shell/html_thread.h"

namespace check_html {

QtFrontEnd::QtFrontEnd(Targets targets, QObject* parent)
    : QObject(parent), targets_(std::move(targets)) {}

void QtFrontEnd::LogLine(const std::string& text) { Post(targets_.log_line, text); }

void QtFrontEnd::ShowStatus(const std::string& text) { Post(targets_.status, text); }

void QtFrontEnd::SetButtonCaption(const std::string& caption) {
  Post(targets_.caption, caption);
}

void QtFrontEnd::ShowProgress(int done, int known) {
  if (!targets_.progress) return;
  QMetaObject::invokeMethod(
      this, [target = &targets_.progress, done, known] { (*target)(done, known); },
      Qt::QueuedConnection);
}

// Queued events to one thread are delivered in the order they were posted, which keeps the
// lines in call order. A text posted on the window thread is queued as well, behind the texts
// the worker posted before it.
void QtFrontEnd::Post(const Target& show, const std::string& text) {
  if (!show) return;
  // The target lives as long as this object, and a queued call dies with its object.
  QMetaObject::invokeMethod(
      this, [target = &show, text] { (*target)(text); }, Qt::QueuedConnection);
}

void QtFrontEnd::Synchronize(const std::function<void()>& call) {
  if (OnWindowThread()) {
    call();
    return;
  }
  QMetaObject::invokeMethod(this, [&call] { call(); }, Qt::BlockingQueuedConnection);
}

bool QtFrontEnd::OnWindowThread() const { return QThread::currentThread() == thread(); }

void WaitForRunEnd(const THTML_Thread& run) {
  while (run.IsRunning) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace check_html
