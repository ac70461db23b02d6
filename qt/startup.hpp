// Start-up: the application object, its information, the event loop.
#pragma once

#include "program_windows.hpp"
#include "services.hpp"

#include <QApplication>
#include <QWidget>

#include <functional>
#include <memory>

namespace vornix::qt {

// Builds the startup window (its load step included); windows it opens later
// are tracked in `windows` so that the program lives while any is open.
using StartupWindowFactory =
    std::function<std::unique_ptr<QWidget>(Services& services, ProgramWindows& windows)>;

// Answers --help and --version (and refuses arguments it does not know, with
// exit code 2); otherwise creates the application (or, with no display to
// reach, says so in one line and returns 1), lets `make_startup_window` build
// the startup window, shows it and runs the event loop until the last of the
// program's windows has closed. Returns the process exit code.
int run(int& argc, char** argv, const StartupWindowFactory& make_startup_window);

// Loads Qt's own Chinese texts (menus, "OK") from the system's translations.
void install_chinese_translation(QApplication& application);

} // namespace vornix::qt
