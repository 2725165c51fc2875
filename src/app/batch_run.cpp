#include "app/batch_run.h"

#include <memory>
#include <string>

#include "app/batch_front_end.h"
#include "app/batch_pipe.h"
#include "app/batch_settings.h"
#include "html/path_text.h"
#include "platform/case_map.h"
#include "platform/current_folder.h"
#include "platform/disk_file_system.h"
#include "platform/process_info.h"
#include "shell/day_number.h"
#include "shell/preview_run.h"
#include "shell/settings.h"
#include "shell/start_file.h"
#include "shell/start_run.h"

namespace check_html {
namespace {

// Closes the --log file, if one was opened, at every exit.
struct LogFile {
  std::FILE* file = nullptr;
  ~LogFile() {
    if (file != nullptr) std::fclose(file);
  }
};

int BadCommandLine(std::FILE* err, const std::string& message) {
  std::fprintf(err, "check_html: %s\n", message.c_str());
  return kExitBadCommandLine;
}

// The start page in the form the window's file list gives it: absolute, lower case, with
// backslashes, so the run's path rules see the paths they were made for.
std::string StartPageOf(const BatchOptions& options, const Settings& settings) {
  const std::string path = options.start ? AbsolutePath(*options.start) : settings.StartFile;
  return path.empty() ? path : SlashToBack(LowerCase(path));
}

// The settings the window writes when it closes: its own fields and the run's values.
void SaveSettings(FileSystem& files, Settings settings, const Options& options,
                  const std::string& start_page, std::FILE* err) {
  std::string start = start_page;
  BackToSlash(start);
  settings.StartFile = start;
  settings.StartDir = start.substr(0, start.rfind('/'));
  if (WriteSettings(files, settings, options) != FileStatus::kOk) {
    std::fprintf(err, "check_html: could not write %s\n", kSettingsFileName);
  }
}

}  // namespace

int RunBatch(const BatchOptions& options, std::FILE* out, std::FILE* err) {
  if (options.fetch_lists) return PrintFetchedLists(out, err, options.quiet);
  DiskFileSystem files;
  auto program = std::make_unique<Program>();  // the page lists are large
  const std::string program_dir =
      AbsolutePath(options.settings_dir ? *options.settings_dir : CurrentFolder());
  Settings settings = ReadStoredSettings(files, program_dir, program->options);
  if (std::string error = ApplyBatchSettings(options, settings, program->options);
      !error.empty()) {
    return BadCommandLine(err, error);
  }
  SetTodayFromDateText(program->options, options.today ? *options.today : TodayDateText());

  const std::string start_page = StartPageOf(options, settings);
  if (start_page.empty()) return BadCommandLine(err, "no start page: give --start FILE");
  if (!HasPageExtension(start_page)) {
    return BadCommandLine(err, "the start page must end in .htm or .html: " + start_page);
  }

  LogFile log;
  if (options.log_file) {
    log.file = std::fopen(options.log_file->c_str(), "wb");
    if (log.file == nullptr) return BadCommandLine(err, "cannot write " + *options.log_file);
  }
  const bool show_progress = !options.quiet && IsTerminal(err);
  // A diff on standard output keeps it to itself: the log lines then go to standard error.
  std::FILE* const log_to = log.file != nullptr                             ? log.file
                            : options.dry_run && options.diff_file == "-" ? err
                                                                          : out;
  BatchFrontEnd front_end(log_to, show_progress ? err : nullptr);
  files.SetNameReport([&front_end](const std::string& line) { front_end.LogLine(line); });

  MakeHolderRun(*program, front_end, files, settings);
  const std::string json_file = options.json_file ? AbsolutePath(*options.json_file) : "";
  const std::string diff_file =
      options.diff_file && *options.diff_file != "-" ? AbsolutePath(*options.diff_file)
                                                      : options.diff_file.value_or("");
  StartRun(*program, start_page, [&](const RunEnvironment& environment) {
    std::unique_ptr<THTML_Thread> run =
        options.dry_run ? std::make_unique<PreviewRun>(environment, diff_file)
                        : std::make_unique<THTML_Thread>(environment);
    run->Context().CheckOnly = options.check_only;
    run->Context().JsonFile = json_file;
    return run;
  });
  program->CurrentRun->Wait();
  const std::string error = program->CurrentRun->ErrorText();
  const std::vector<THTML_Thread::PassTime> pass_times = program->CurrentRun->PassTimes();
  const int broken = program->CurrentRun->BrokenCount();
  ReleaseCurrentRun(*program);

  front_end.EndProgress();
  std::fflush(log_to);
  if (!error.empty()) std::fprintf(err, "check_html: %s\n", error.c_str());
  if (options.timings) {
    for (const THTML_Thread::PassTime& time : pass_times) {
      std::fprintf(err, "Time: %-20s %8.3f s\n", time.pass.c_str(), time.seconds);
    }
  }
  std::fprintf(err, "Status: %s\n", front_end.LastStatus().c_str());
  if (options.save_settings) SaveSettings(files, settings, program->options, start_page, err);
  if (!error.empty()) return kExitFileError;
  if (options.serve) {
    return ServeUntilSignal(program->lists, front_end, log_to, err);
  }
  return options.fail_on_broken && broken > 0 ? kExitFoundBroken : kExitRunEnded;
}

}  // namespace check_html
