// The state of one page while the rewrite pass works on it. CleanFile creates it for each page;
// the tag handlers read and change it. Text and tag are the last pair returned by ReadTag.
#pragma once

#include <cstdint>
#include <string>

#include "html/page_reader.h"
#include "html/page_writer.h"
#include "run/run_context.h"

namespace check_html {

struct PageRewrite {
  explicit PageRewrite(RunContext& context)
      : run(context), reader(context.Reader), writer(context.Writer) {}

  RunContext& run;
  PageReader& reader;
  PageWriter& writer;

  std::string SourceName;  // path read from
  std::string TargetName;  // path written to
  int32_t FileIndex = 0;   // index of the page in Files
  bool InSubFolder = false;
  std::string BakName;     // SourceName with the extension "bak"
  std::string PdfBase;     // base name of SourceName (no folder, no extension)
  bool IsSubPage = false;  // base name ends in "su" and one to three characters
  bool IsLi1Page = false;  // the three characters before the extension are "li1"
  bool HasCrosslinks = false;
  bool InNoFrames = false;
  bool BodyEnded = false;
  bool Reading = false;
  std::string ForwardTarget;
  std::string BackTarget;
  bool InFigure = false;           // pre-pass only
  char FigureLetter = 'a' - 1;     // pre-pass only: letter of the current figure
  std::string text;
  std::string tag;
};

}  // namespace check_html
