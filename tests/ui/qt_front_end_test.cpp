// The run's texts cross from the worker to the window thread in call order; a synchronised call
// runs on the window thread while the worker waits. Text crosses as bytes, one per character.
#include <string>
#include <thread>
#include <vector>

#include <QTest>
#include <QThread>

#include "ui/qt_front_end.h"
#include "ui/qt_text.h"
#include "ui_tests.h"

namespace check_html {
namespace {

// A front end whose texts are collected as "kind text", on the window thread.
struct Collector {
  std::vector<std::string> shown;
  QtFrontEnd front_end{{.log_line = [this](const std::string& t) { shown.push_back("log " + t); },
                        .status = [this](const std::string& t) { shown.push_back("status " + t); },
                        .caption = [this](const std::string& t) { shown.push_back("caption " + t); },
                        .progress = [this](int done, int known) {
                          shown.push_back("progress " + std::to_string(done) + "/" +
                                          std::to_string(known));
                        }}};
};

class QtFrontEndTest : public QObject {
  Q_OBJECT

 private slots:
  void textsFromAWorkerArriveInCallOrder() {
    Collector collector;
    std::vector<std::string> expected;
    std::thread worker([&collector, &expected] {
      const char* kinds[] = {"log ", "status ", "caption ", "progress "};
      for (int i = 0; i < 4000; ++i) {
        const std::string text = std::to_string(i);
        if (i % 4 == 0) collector.front_end.LogLine(text);
        if (i % 4 == 1) collector.front_end.ShowStatus(text);
        if (i % 4 == 2) collector.front_end.SetButtonCaption(text);
        if (i % 4 == 3) collector.front_end.ShowProgress(i, 4000);
        expected.push_back(kinds[i % 4] + text + (i % 4 == 3 ? "/4000" : ""));
      }
    });
    worker.join();
    QVERIFY(collector.shown.empty());  // nothing is shown outside the window thread's loop
    QTRY_COMPARE(collector.shown.size(), expected.size());
    QVERIFY(collector.shown == expected);
  }

  // The call sees every line queued before it, and the worker goes on only after the call.
  void aSynchronisedCallRunsOnTheWindowThreadWhileTheWorkerWaits() {
    Collector collector;
    QThread* call_thread = nullptr;
    std::vector<std::string> seen_by_call;
    std::atomic<bool> worker_done{false};
    std::vector<std::string> seen_after_call;
    std::thread worker([&] {
      collector.front_end.LogLine("before");
      collector.front_end.Synchronize([&] {
        call_thread = QThread::currentThread();
        seen_by_call = collector.shown;
        collector.shown.push_back("call");
      });
      seen_after_call = {collector.shown.back()};
      worker_done = true;
    });
    QTRY_VERIFY(worker_done);
    worker.join();
    QCOMPARE(call_thread, QThread::currentThread());
    QVERIFY(seen_by_call == std::vector<std::string>{"log before"});
    QVERIFY(seen_after_call == std::vector<std::string>{"call"});

    bool ran = false;  // on the window thread itself the call runs at once
    collector.front_end.Synchronize([&ran] { ran = true; });
    QVERIFY(ran);
  }

  void everyByteSurvivesTheWayThroughTheWindow() {
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    QCOMPARE(ToBytes(ToQt(bytes)), bytes);
    QCOMPARE(ToQt("\xE4\xA7"), QString::fromUtf8("\xC3\xA4\xC2\xA7"));
    QCOMPARE(ToBytes(QString::fromUtf8("\xE2\x82\xAC")), "?");  // beyond Latin-1
  }
};

}  // namespace

std::unique_ptr<QObject> MakeQtFrontEndTest() { return std::make_unique<QtFrontEndTest>(); }

}  // namespace check_html

#include "qt_front_end_test.moc"
