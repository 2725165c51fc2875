#include "shell/start_run.h"

#include <utility>

#include "shell/report_names.h"
#include "shell/start_file.h"

namespace check_html {
namespace {

std::unique_ptr<THTML_Thread> MakeRun(const RunFactory& make_run,
                                      const RunEnvironment& environment) {
  if (make_run) return make_run(environment);
  return std::make_unique<THTML_Thread>(environment);
}

// The six settings a run keeps; the settings model and the run name them alike.
template <typename From>
void TakeSettings(const From& from, RunContext& to) {
  to.SaveDir = from.SaveDir;
  to.SavePrefix = from.SavePrefix;
  to.SaveProjectname = from.SaveProjectname;
  to.ProgramDir = from.ProgramDir;
  to.BindNoBack = from.BindNoBack;
  to.BindBack = from.BindBack;
}

void SetReportNames(RunContext& run) {
  ReportNames names = MakeReportNames(run.SavePrefix);
  run.CheckFile = names.CheckFile;
  run.AbkFile = names.AbkFile;
  run.TranslFile = names.TranslFile;
  run.NameFile = names.NameFile;
  run.IndexFile = names.IndexFile;
  run.BadFile = names.BadFile;
  run.DumFile = names.DumFile;
  run.NewFile = names.NewFile;
  run.AnchorFile = names.AnchorFile;
  run.ExtFile = names.ExtFile;
}

}  // namespace

void MakeHolderRun(Program& program, RunFrontEnd& front_end, FileSystem& files,
                   const Settings& settings, const RunFactory& make_run) {
  std::unique_ptr<THTML_Thread> holder =
      MakeRun(make_run, RunEnvironment{front_end, files, program.options, program.lists});
  CopySettingsInto(settings, holder->Context());
  program.CurrentRun = std::move(holder);
}

void CopySettingsInto(const Settings& settings, RunContext& run) { TakeSettings(settings, run); }

bool StartRun(Program& program, const std::string& start_file, const RunFactory& make_run) {
  std::unique_ptr<THTML_Thread>& current = program.CurrentRun;
  if (!current || current->IsRunning) return false;
  program.lists.ListFull = false;
  program.options.HomeLink = kHomeLink;
  if (!HasPageExtension(start_file)) return false;

  std::unique_ptr<THTML_Thread> run = MakeRun(make_run, current->NextRunEnvironment());
  TakeSettings(current->Context(), run->Context());
  current = std::move(run);
  current->Context().StartFile = start_file;
  SetReportNames(current->Context());
  current->Start();
  return true;
}

void ReleaseCurrentRun(Program& program) { program.CurrentRun.reset(); }

}  // namespace check_html
