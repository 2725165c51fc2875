// What the process was started with and where it writes: its arguments, its environment and
// its terminal. On Windows the arguments come from the wide-character command line, converted
// to Windows-1252 whatever the system's code page.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace check_html {

// The arguments after the program's name.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Standard output and errors carry the program's bytes as they are: a line ends with "\n" on
// every system (Windows would write "\r\n" for it).
void UseBinaryStandardOutput();

// Sets the environment variable for this process and the children it starts; an empty value
// removes it.
void SetEnvironmentValue(const std::string& name, const std::string& value);
// The variable's value; empty when it is not set.
std::string EnvironmentValue(const std::string& name);

// True when `file` is a terminal (a console on Windows).
bool IsTerminal(std::FILE* file);
// The terminal's width in columns; 80 when it cannot be had.
int TerminalWidth(std::FILE* file);

}  // namespace check_html
