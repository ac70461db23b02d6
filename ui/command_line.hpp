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

// A short usage in Chinese and English, ending in a line break.
std::string usage();

// "Vornix 1.0.1", from the application information.
std::string version_line();

} // namespace vornix::ui
