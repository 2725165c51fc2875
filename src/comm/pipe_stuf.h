// The pipe framework's common part: errors, components and their stream format, messages, and
// the threads that report to the window thread.
#pragma once

#include "comm/component_registry.h"  // IWYU pragma: export
#include "comm/component_stream.h"    // IWYU pragma: export
#include "comm/components.h"          // IWYU pragma: export
#include "comm/msg_thread.h"          // IWYU pragma: export
#include "comm/named_pipe_base.h"     // IWYU pragma: export
#include "comm/pipe_errors.h"         // IWYU pragma: export
#include "comm/pipe_message.h"        // IWYU pragma: export
#include "comm/test_comp.h"           // IWYU pragma: export
