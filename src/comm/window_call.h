// How the pipe threads reach the window thread, which runs every log line, LoadData, SaveData and
// completion callback. The front end supplies a WindowPost that queues a call to its thread and
// returns at once (a front end without a window thread may run the call inline).
#pragma once

#include <functional>
#include <stop_token>

namespace check_html {

using WindowPost = std::function<void(std::function<void()>)>;

// A WindowPost for front ends without a window thread: runs the call at once.
void RunInline(std::function<void()> call);

// Runs `call` through `post` and waits until it has run; its error, if any, is raised here.
// Returns false, and the call never runs, when `stop` is requested before the window thread
// took it up: so a thread waiting here never blocks a window thread that is stopping it.
bool CallOnWindowThread(const WindowPost& post, std::function<void()> call,
                        std::stop_token stop = {});

}  // namespace check_html
