// A dry run: the whole run as configured, on an overlay over the program's file system and on a
// copy of the page lists, so that nothing on disk changes and the pipe never serves what a dry
// run made. At its end, also after a file error, it writes the diff of everything the run would
// have changed (the one file it writes) and logs the summary.
#pragma once

#include <string>

#include "platform/overlay_file_system.h"
#include "shell/html_thread.h"
#include "shell/preview_diff.h"
#include "site/page_lists.h"

namespace check_html {

// What the dry run works on instead of the program's own; made before the run's context.
struct PreviewStore {
  explicit PreviewStore(const RunEnvironment& program);
  RunEnvironment program_environment;
  OverlayFileSystem overlay;
  PageLists lists;
  RunEnvironment preview_environment;
};

class PreviewRun : private PreviewStore, public THTML_Thread {
 public:
  // `diff_file` is where the diff goes ("-": standard output); empty: "<prefix>_preview.diff"
  // in the output folder.
  PreviewRun(const RunEnvironment& program, std::string diff_file);
  ~PreviewRun() override;

  RunEnvironment NextRunEnvironment() const override { return program_environment; }

  // After Wait(): where the diff went, and what it holds.
  const std::string& DiffFile() const { return diff_file_; }
  const PreviewSummary& Summary() const { return summary_; }

 protected:
  // Starts no converter: lists what it would convert.
  void ConvertGifs() override;
  void EndOfRun() override;

 private:
  std::string diff_file_;
  PreviewSummary summary_;
};

}  // namespace check_html
