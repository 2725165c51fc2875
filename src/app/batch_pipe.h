// The batch front end's use of the pipe facility: serving the page lists after a run
// (--serve), and fetching them from a program that serves them (--fetch-lists).
#pragma once

#include <cstdio>
#include <functional>

#include "comm/stream/components.h"
#include "run/front_end.h"
#include "site/page_lists.h"

namespace check_html {

// Serves the BackboneList and CleanedList of `lists` on "html_2_pdf" until `wait_for_stop`
// returns, then stops the server. Its log lines go to `front_end` (and `log` is flushed after
// each, so a watcher sees them at once). Returns 0, or 1 when the pipe could not be created (the
// error on `err`).
int ServePageLists(PageLists& lists, RunFrontEnd& front_end, std::FILE* log, std::FILE* err,
                   const std::function<void()>& wait_for_stop);

// ServePageLists until SIGINT or SIGTERM arrives.
int ServeUntilSignal(PageLists& lists, RunFrontEnd& front_end, std::FILE* log, std::FILE* err);

// Connects to "html_2_pdf" and fetches both lists with the transfer's requests (-1, -2, -3, -4)
// into the BackboneList and CleanedList of `lists`. The client's log lines go to `on_message` when it is set.
// Raises EPipeError when the server cannot be reached or answers with an error.
void FetchPageLists(PageLists& lists, const TMessageProc& on_message);

// --fetch-lists: fetches both lists and prints them on `out`, each as the line
// "BackboneList <count>" / "CleanedList <count>" and then its entries 0..count, one a line.
// The client's log lines go to `err` unless `quiet`. Returns 0, or 1 (the error on `err`).
int PrintFetchedLists(std::FILE* out, std::FILE* err, bool quiet);

}  // namespace check_html
