#include "shell/preview_run.h"

#include <utility>

#include "maint/gif_to_png.h"
#include "platform/file_error.h"
#include "platform/output_file.h"
#include "shell/report_names.h"

namespace check_html {
namespace {

void CopyList(const PageList& from, PageList& to) {
  auto lock = from.Lock();
  for (int32_t i = 0; i <= kPageListLast; ++i) to.Set(i, from.Get(i));
  to.SetCount(from.Count());
}

}  // namespace

PreviewStore::PreviewStore(const RunEnvironment& program)
    : program_environment(program),
      overlay(program.files),
      preview_environment{program.front_end, overlay, program.options, lists} {
  CopyList(program.lists.BackboneList, lists.BackboneList);
  CopyList(program.lists.CleanedList, lists.CleanedList);
  lists.SetRootPrefix(program.lists.RootPrefix());
  lists.ListFull = program.lists.ListFull.load();
}

PreviewRun::PreviewRun(const RunEnvironment& program, std::string diff_file)
    : PreviewStore(program), THTML_Thread(preview_environment), diff_file_(std::move(diff_file)) {}

PreviewRun::~PreviewRun() { Wait(); }

void PreviewRun::ConvertGifs() { check_html::ConvertGifs(Context(), true); }

void PreviewRun::EndOfRun() {
  RunContext& run = Context();
  if (diff_file_.empty()) {
    const std::string path = run.ReportPath(MakeReportNames(run.SavePrefix).PreviewFile);
    diff_file_ = overlay.Base().NativePath(path).value_or(path);
  }
  run.ShowStatus("Speichere File " + diff_file_);
  OutputFile out(diff_file_);
  if (!out.Opened()) throw FileError(kCannotOpenText, diff_file_);
  summary_ = WritePreviewDiff(overlay, [&out](std::string_view piece) { out.Write(piece); });
  if (!out.Close()) throw FileError(kWriteMappingText, diff_file_);
  for (const std::string& line :
       PreviewSummaryLines(summary_, diff_file_ == "-" ? "standard output" : diff_file_)) {
    run.LogLine(line);
  }
  run.ShowStatus(ErrorText().empty() ? kIdleStatus : ErrorText());
}

}  // namespace check_html
