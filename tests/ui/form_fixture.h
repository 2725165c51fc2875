// A main window with its log window on a program folder of the test's own, the Yes/No
// questions answered by the test, and runs that wait at a gate until the test opens it (or,
// with `gated_runs` off, the program's own runs).
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "../platform/temp_folder.h"
#include "shell/html_thread.h"
#include "shell/start_run.h"
#include "ui/communication_form.h"
#include "ui/html_form.h"

namespace check_html {

inline constexpr const char* kTestToday = "15.02.24";

// A run whose passes do nothing, except that the crawl waits until the gate is open or the run
// is asked to stop.
class GateRun : public THTML_Thread {
 public:
  GateRun(RunFrontEnd& front_end, FileSystem& files, const std::atomic<bool>& gate)
      : THTML_Thread(front_end, files), gate_(gate) {}
  ~GateRun() override { Wait(); }

 protected:
  void CrawlTree(const std::string& /*start_file*/) override {
    while (!gate_ && !Stopped()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  void BuildChapterContents(const std::string&) override {}
  void WriteCrossCheck(const std::string&) override {}
  void RewriteAllPages() override {}
  void WriteAbbrevList(const std::string&) override {}
  void WriteTranslList(const std::string&) override {}
  void WriteNameList(const std::string&) override {}
  void WriteNewsList(const std::string&, bool) override {}
  void WriteLanguageIndex(const std::string&, const std::string&, const std::string&,
                          bool) override {}
  void WriteIndexList(const std::string&) override {}
  void WriteFailures(const std::string&) override {}
  void WriteUnreferenced(const std::string&) override {}
  void WriteLatexIndex() override {}
  void WriteRefList(const std::string&) override {}
  void ConvertGifs() override {}
  void UpdatePageLists() override {}
  void CopySpecial() override {}
  void RepairTables(const std::string&) override {}

 private:
  const std::atomic<bool>& gate_;
};

class FormFixture {
 public:
  // `program_dir` is relative to the test's temporary folder.
  explicit FormFixture(const std::string& program_dir = "site/check")
      : program_dir_(folder.Path() + "/" + program_dir) {
    folder.Put(program_dir + "/readme.txt", "");
  }

  // Makes the windows; put the settings files in place before.
  THTMLForm& Open() {
    form = std::make_unique<THTMLForm>(
        log, FormSetup{.program_dir = program_dir_,
                       .today = kTestToday,
                       .ask = [this](const QString& question) {
                         asked.push_back(question);
                         return answer;
                       },
                       .make_run = MakeRun()});
    return *form;
  }
  const std::string& ProgramDir() const { return program_dir_; }

  TempFolder folder;
  bool gated_runs = true;
  std::atomic<bool> gate{true};
  int runs_made = 0;
  QStringList asked;
  QMessageBox::StandardButton answer = QMessageBox::No;
  TCummunicationForm log;
  std::unique_ptr<THTMLForm> form;

 private:
  RunFactory MakeRun() {
    if (!gated_runs) return {};
    return [this](RunFrontEnd& front_end, FileSystem& files) {
      ++runs_made;
      return std::make_unique<GateRun>(front_end, files, gate);
    };
  }

  std::string program_dir_;
};

}  // namespace check_html
