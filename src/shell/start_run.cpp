#include "shell/start_run.h"

#include <utility>

#include "shell/options.h"
#include "shell/report_names.h"
#include "shell/start_file.h"
#include "site/page_lists.h"

namespace check_html {

std::unique_ptr<THTML_Thread> CurrentRun;

namespace {

std::unique_ptr<THTML_Thread> MakeRun(const RunFactory& make_run, RunFrontEnd& front_end,
                                      FileSystem& files) {
  if (make_run) return make_run(front_end, files);
  return std::make_unique<THTML_Thread>(front_end, files);
}

// The six settings a run keeps; the settings model and the run name them alike.
template <typename From>
void TakeSettings(const From& from, THTML_Thread& to) {
  to.SaveDir = from.SaveDir;
  to.SavePrefix = from.SavePrefix;
  to.SaveProjectname = from.SaveProjectname;
  to.ProgramDir = from.ProgramDir;
  to.BindNoBack = from.BindNoBack;
  to.BindBack = from.BindBack;
}

void SetReportNames(THTML_Thread& run) {
  ReportNames names = MakeReportNames(run.SavePrefix);
  run.CheckFile = names.CheckFile;
  run.AbkFile = names.AbkFile;
  run.TranslFile = names.TranslFile;
  run.NameFile = names.NameFile;
  run.IndexFile = names.IndexFile;
  run.BadFile = names.BadFile;
  run.DumFile = names.DumFile;
  run.NewFile = names.NewFile;
}

}  // namespace

void MakeHolderRun(RunFrontEnd& front_end, FileSystem& files, const Settings& settings,
                   const RunFactory& make_run) {
  std::unique_ptr<THTML_Thread> holder = MakeRun(make_run, front_end, files);
  CopySettingsInto(settings, *holder);
  CurrentRun = std::move(holder);
}

void CopySettingsInto(const Settings& settings, THTML_Thread& run) {
  TakeSettings(settings, run);
}

bool StartRun(const std::string& start_file, const RunFactory& make_run) {
  if (!CurrentRun || CurrentRun->IsRunning) return false;
  ListFull = false;
  HomeLink = kHomeLink;
  if (!HasPageExtension(start_file)) return false;

  std::unique_ptr<THTML_Thread> run = MakeRun(make_run, CurrentRun->FrontEnd(), CurrentRun->Files());
  TakeSettings(*CurrentRun, *run);
  CurrentRun = std::move(run);
  CurrentRun->StartFile = start_file;
  SetReportNames(*CurrentRun);
  CurrentRun->Start();
  return true;
}

void ReleaseCurrentRun() { CurrentRun.reset(); }

}  // namespace check_html
