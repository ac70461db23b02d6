#include "console.hpp"
#include "program.hpp"

#include <cstdlib>
#include <exception>
#include <string>

#include <windows.h>

// The standard library's handler for an exception nobody caught writes the
// exception's demangled type before aborting, and for that links its whole
// demangler (46 KB) into the .exe. This one writes what the exception says,
// to the console the program was started from if there is one, and aborts.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    if (const std::exception_ptr error = std::current_exception()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& exception) {
            // Not the C library's stderr, whose locking adds imports Windows 7's
            // loader is not checked for (win32/static-imports.txt).
            vornix::win32::write_to_console("vornix: " + std::string(exception.what()) + "\n",
                                            true);
        } catch (...) {
        }
    }
    std::abort();
}
} // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    return vornix::win32::run(show_command);
}
