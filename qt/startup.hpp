// Start-up: the application object, its information, the event loop.
#pragma once

#include "program_windows.hpp"
#include "services.hpp"

#include <QWidget>

#include <functional>
#include <memory>

namespace vornix::qt {

// Builds the startup window (its load step included); windows it opens later
// are tracked in `windows` so that the program lives while any is open.
using StartupWindowFactory =
    std::function<std::unique_ptr<QWidget>(Services& services, ProgramWindows& windows)>;

// Creates the application, lets `make_startup_window` build the startup
// window, shows it and runs the event loop until the last of the program's
// windows has closed. Returns the process exit code.
int run(int& argc, char** argv, const StartupWindowFactory& make_startup_window);

} // namespace vornix::qt
