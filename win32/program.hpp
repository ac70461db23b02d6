// Start-up on Windows: the main window, the message loop, the end.
#pragma once

namespace vornix::win32 {

// Shows the main window with `show_command` and runs the message loop until
// the last of the program's windows has closed. Returns the exit code.
int run(int show_command);

} // namespace vornix::win32
