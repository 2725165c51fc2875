// The pipe server: TServerPipe with its server and execute threads.
#pragma once

#include "comm/execute_thread.h"  // IWYU pragma: export
#include "comm/server_pipe.h"     // IWYU pragma: export
#include "comm/server_thread.h"   // IWYU pragma: export
