// What a pass test works on: a run context without a thread, on an in-memory file system, with a
// recording front end, options and page lists of its own and an empty site database. A test
// sets the options and settings it needs, calls the pass and compares what it wrote.
#pragma once

#include "platform/memory_file_system.h"
#include "recording_front_end.h"
#include "run/run_context.h"
#include "site/page_lists.h"
#include "site/site_database.h"

namespace check_html {

template <class Files = MemoryFileSystem, class FrontEnd = RecordingFrontEnd>
struct RunParts {
  RunParts() { run.Database = &database; }

  Files files;
  FrontEnd front_end;
  Options options;
  PageLists lists;
  SiteDatabase database;
  RunContext run{RunEnvironment{front_end, files, options, lists}};
};

}  // namespace check_html
