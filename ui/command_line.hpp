// The command line: Vornix takes no arguments of its own but help and version;
// the toolkit's own options pass through to it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vornix::ui {

// An option the toolkit reads itself, with one or two leading dashes.
struct ToolkitOption {
    std::string_view name; // without dashes
    bool takes_value;      // as the next argument or after "="
    // Its line in the usage ("-platform NAME    图形界面平台 / the Qt platform");
    // empty: not listed there.
    std::string_view usage = {};
};

struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::string refused; // the first argument not understood
};

// Reads the arguments after the program's name. -h and --help ask for help,
// --version for the version; every other argument must be a toolkit option.
CommandLine read_command_line(std::span<const std::string> arguments,
                              std::span<const ToolkitOption> toolkit_options);

// What the program answers on its command line before any window is made.
struct CommandLineAnswer {
    // The process's exit code; kStart when the program is to start.
    static constexpr int kStart = -1;
    int exit_code = kStart;
    std::string text;      // ends in a line break; empty when starting
    bool is_error = false; // the text belongs on the error stream
};

// Help and version exit with 0, an argument not understood with 2 and the
// usage after it; anything else starts the program.
CommandLineAnswer answer_command_line(std::span<const std::string> arguments,
                                      std::span<const ToolkitOption> toolkit_options);

// A short usage in Chinese and English, listing the toolkit options that have
// a usage line; ends in a line break.
std::string usage(std::span<const ToolkitOption> toolkit_options);

// "Vornix 1.0.1", from the application information.
std::string version_line();

} // namespace vornix::ui
