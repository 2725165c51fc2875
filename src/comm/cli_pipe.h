// The pipe client: TClientPipe with its transactions, its send and receive threads, and
// TTestThread.
#pragma once

#include "comm/client_pipe.h"     // IWYU pragma: export
#include "comm/client_threads.h"  // IWYU pragma: export
#include "comm/test_thread.h"     // IWYU pragma: export
#include "comm/transactions.h"    // IWYU pragma: export
