// Start-up on Windows: the command line, the main window, the message loop, the end.
#pragma once

#include "services.hpp"

#include <string>
#include <vector>

namespace vornix::win32 {

// Answers --help and --version in a message box (and refuses any other
// argument, with exit code 2); writes an --export's file without a window,
// its error to the console it was started from, else in a message box;
// otherwise shows the main window with
// `show_command` and runs the message loop until the last of the program's
// windows has closed. Returns the exit code.
int run(int show_command);

// The command line's answer through `services`: the exit code, or -1 to start.
int answer_command_line(const std::vector<std::string>& arguments, Services& services);

} // namespace vornix::win32
