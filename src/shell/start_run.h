// What the program keeps between runs, and the start of a run. Exactly one run object exists at
// a time: the holder made at start-up (never started; it only keeps the settings) and later the
// object of the last run, which stays CurrentRun after it has finished and hands its settings to
// the next one. All of this is called on the front end's thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "run/options.h"
#include "shell/html_thread.h"
#include "shell/settings.h"
#include "site/page_lists.h"

namespace check_html {

// The program's state: made once by the front end (window or batch) and passed to whatever
// needs it. The page lists outlive the runs and are shared with the pipe.
struct Program {
  Options options;
  PageLists lists;
  std::unique_ptr<THTML_Thread> CurrentRun;  // declared last: released before the lists
};

// The frame target of the navigation bars, set at each start.
inline constexpr const char* kHomeLink = "../../index.html\" TARGET=\"_top";

// Makes a run object for the environment; the default makes a THTML_Thread.
using RunFactory = std::function<std::unique_ptr<THTML_Thread>(const RunEnvironment&)>;

// Makes the holder run object with the program's options and lists, the front end and the file
// system, and gives it the settings (see CopySettingsInto).
void MakeHolderRun(Program& program, RunFrontEnd& front_end, FileSystem& files,
                   const Settings& settings, const RunFactory& make_run = {});

// Copies the settings that the run keeps (SaveDir, SavePrefix, SaveProjectname, ProgramDir,
// BindBack, BindNoBack) into `run`. Only while it is not running: settings changed during a run
// wait for the next one.
void CopySettingsInto(const Settings& settings, RunContext& run);

// Start pressed: refuses (false) while CurrentRun is running. Otherwise clears ListFull and sets
// HomeLink; then, when `start_file` has the extension ".htm" or ".html", a new run object takes
// over the six settings and the environment of CurrentRun, replaces it, gets `start_file` (in
// the backslash form the run's path rules expect) and the report names of its prefix, and
// starts. Returns whether a run was started.
bool StartRun(Program& program, const std::string& start_file, const RunFactory& make_run = {});

// Program end: releases CurrentRun, waiting for a run in progress to finish.
void ReleaseCurrentRun(Program& program);

}  // namespace check_html
