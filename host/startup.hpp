// Start-up: the application object, its information, the event loop.
#pragma once

#include "services.hpp"

#include <QWidget>

#include <functional>
#include <memory>

namespace vornix::host {

using StartupWindowFactory = std::function<std::unique_ptr<QWidget>(Services&)>;

// Creates the application, lets `make_startup_window` build the startup
// window (its load step included), shows it and runs the event loop until the
// last window has closed. Returns the process exit code.
int run(int& argc, char** argv, const StartupWindowFactory& make_startup_window);

} // namespace vornix::host
