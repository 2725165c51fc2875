// CurrentRun and the start of a run. Exactly one run object exists at a time: the holder made at
// start-up (never started; it only keeps the settings) and later the object of the last run,
// which stays CurrentRun after it has finished and hands its settings to the next one.
// All of this is called on the front end's thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/html_thread.h"
#include "shell/settings.h"

namespace check_html {

extern std::unique_ptr<THTML_Thread> CurrentRun;

// The frame target of the navigation bars, set at each start.
inline constexpr const char* kHomeLink = "../../index.html\" TARGET=\"_top";

// Makes a run object for a front end and a file system; the default makes a THTML_Thread.
using RunFactory = std::function<std::unique_ptr<THTML_Thread>(RunFrontEnd&, FileSystem&)>;

// Makes the holder run object and gives it the settings (Settings into the run, see below).
void MakeHolderRun(RunFrontEnd& front_end, FileSystem& files, const Settings& settings,
                   const RunFactory& make_run = {});

// Copies the settings that the run keeps (SaveDir, SavePrefix, SaveProjectname, ProgramDir,
// BindBack, BindNoBack) into `run`. Only while it is not running: settings changed during a run
// wait for the next one.
void CopySettingsInto(const Settings& settings, THTML_Thread& run);

// Start pressed: refuses (false) while CurrentRun is running. Otherwise clears ListFull and sets
// HomeLink; then, when `start_file` has the extension ".htm" or ".html", a new run object takes
// over the six settings and the front end of CurrentRun, replaces it, gets `start_file` (in the
// backslash form the run's path rules expect) and the report names of its prefix, and starts.
// Returns whether a run was started.
bool StartRun(const std::string& start_file, const RunFactory& make_run = {});

// Program end: releases CurrentRun, waiting for a run in progress to finish.
void ReleaseCurrentRun();

}  // namespace check_html
