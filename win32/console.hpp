// Text for the user from a program that has no console of its own: to the
// file or pipe its output is redirected to, else to the console it was
// started from (cmd.exe, a batch file), if any.
#pragma once

#include <string_view>

namespace vornix::win32 {

// Writes the UTF-8 text to the error stream (`error`) or the output; false
// when the program has neither a redirected stream nor a console to attach to.
bool write_to_console(std::string_view text, bool error);

} // namespace vornix::win32
