// Where the Linux half keeps its sockets (see named_pipe.h).
#pragma once

#include <string>

#include "platform/named_pipe.h"

namespace check_html {

// The folder of the sockets (not created).
std::string PipeFolder();

// The socket path of "\\SERVER\pipe\NAME"; creates the folder (mode 0700) when it is missing and
// refuses one that another user owns or others may enter (EACCES). EHOSTUNREACH for a server other
// than ".", EINVAL for a malformed name (empty, "." or "..", "/" or a zero byte in it),
// ENAMETOOLONG when the socket path does not fit.
PipeStatus SocketPathOf(const std::string& pipe_path, std::string& socket_path);

// The login name of `uid`; empty when it cannot be had.
std::string UserNameOf(PipeUserId uid);

}  // namespace check_html
