// The desktop program: the main window and the log window, and the event loop until the main
// window closes.
#pragma once

namespace check_html {

// Runs the program with the current folder as the program folder (where the settings file
// lives); returns the exit code.
int RunDesktopProgram(int& argc, char** argv);

}  // namespace check_html
