#include "maint/gif_to_png.h"

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

#include "platform/case_map.h"
#include "platform/child_process.h"
#include "platform/file_system.h"
#include "run/run_context.h"
#include "site/site_database.h"
#include "site/text_file.h"

namespace check_html {
namespace {

constexpr std::chrono::milliseconds kPollInterval{100};
constexpr std::string_view kAnimatedMarker = "a_n_i_m_";
// Converted but never deleted: the buttons and bullets that pages of earlier runs still show.
constexpr std::array<std::string_view, 6> kProtectedNames = {
    "dreieck3.gif", "index.gif", "kugel1.gif", "pdf_logo.gif", "weiter.gif", "zurueck.gif"};

// A case-sensitive test on the whole path, as the names are stored in lower case.
bool IsProtected(const std::string& gif) {
  for (std::string_view name : kProtectedNames) {
    if (gif.find(name) != std::string::npos) return true;
  }
  return false;
}

// The file exists and holds at least one byte: the only proof of a PNG that a GIF may be
// deleted for.
bool HoldsBytes(const FileSystem& files, const std::string& path) {
  std::string bytes;
  return files.ReadFile(path, bytes) == FileStatus::kOk && !bytes.empty();
}

// Where the converter writes: the PNG's name with a "." in front, in the PNG's folder. The
// unreferenced-file report skips such names, and the extension still tells the format.
std::string WorkFileOf(const std::string& png) {
  const std::size_t leaf = png.find_last_of("/\\") + 1;  // 0 when there is no folder
  return png.substr(0, leaf) + "." + png.substr(leaf);
}

void ConvertPicture(RunContext& run, const std::string& picture, bool dry_run) {
  if (picture.find(kAnimatedMarker) != std::string::npos) return;
  if (picture.size() < 4) return;
  const std::string extension = LowerCase(picture.substr(picture.size() - 4));
  if (extension != ".gif" && extension != ".png") return;
  const std::string stem = picture.substr(0, picture.size() - 4);
  const std::string gif = stem + ".gif";
  const std::string png = stem + ".png";
  FileSystem& files = run.Files();
  if (!files.Exists(gif)) return;
  if (!files.Exists(png) && dry_run) {
    run.LogLine("Preview: would convert " + gif + " to " + png);
    return;
  }
  if (!files.Exists(png)) {
    if (!RunConverter(run, gif, png)) return;
  } else if (!HoldsBytes(files, png)) {
    run.LogLine("!!!Empty PNG, GIF kept: " + png);
    return;
  }
  if (!IsProtected(gif)) DeleteFile(files, gif);
}

}  // namespace

void ConvertGifs(RunContext& run, bool dry_run) {
  if (!run.Database) return;
  const SiteDatabase& db = *run.Database;
  for (int32_t j = 1; j <= db.PicCount(); ++j) {
    ConvertPicture(run, db.Pictures()[static_cast<std::size_t>(j)], dry_run);
    if (run.Stopped()) break;
  }
}

bool RunConverter(RunContext& run, const std::string& gif, const std::string& png) {
  FileSystem& files = run.Files();
  const std::string work = WorkFileOf(png);
  const std::optional<std::string> native_gif = files.NativePath(gif);
  const std::optional<std::string> native_work = files.NativePath(work);
  if (!native_gif || !native_work) return false;
  files.Remove(work);  // left behind by a run that was killed while converting
  const std::string& program = run.Opts.ConverterPath;
  ChildProcess converter(program, {*native_gif, *native_work});
  if (!converter.Started()) {
    run.LogLine("!!!Converter not started (" + converter.StartError() + "): " + program);
    return false;
  }
  run.ShowStatus("convert: " + gif);
  const ChildEnd end = converter.Wait(run.StopToken(), kPollInterval);
  if (end.how != ChildEnd::How::kExited || end.code != 0) {
    files.Remove(work);
    run.LogLine("!!!Converter " + DescribeEnd(end) + ", GIF kept: " + gif);
    return false;
  }
  if (!HoldsBytes(files, work)) {
    files.Remove(work);
    run.LogLine("!!!Converter wrote no PNG, GIF kept: " + gif);
    return false;
  }
  RenameFile(files, work, png);
  return true;
}

}  // namespace check_html
