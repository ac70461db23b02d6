// The command line: help, version, and a worksheet key written to a file
// without a window (--export); the toolkit's own options pass through to it.
#pragma once

#include "exercise.hpp"
#include "working_page.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornix::draw {
class PageRenderer;
} // namespace vornix::draw

namespace vornix::ui {

// An option the toolkit reads itself, with one or two leading dashes.
struct ToolkitOption {
    std::string_view name; // without dashes
    bool takes_value;      // as the next argument or after "="
    // Its line in the usage ("-platform NAME    图形界面平台 / the Qt platform");
    // empty: not listed there.
    std::string_view usage = {};
};

// vornix --export FILE --quadratic A B C … --line X1 Y1 X2 Y2 … [--method M] [--page P]
struct ExportRequest {
    struct Item {
        bool line = false;
        std::vector<std::string> entries; // as typed: read as the entry boxes read them
    };
    std::string file;
    std::vector<Item> items; // in the order given
    std::optional<calc::Method> method;
    draw::Page page = draw::Page::Solve;
};

struct CommandLine {
    // Refuse: an option not understood or malformed; BadEntry: an exercise's
    // number that is not wholly a number.
    enum class Action { Run, Help, Version, Refuse, BadEntry, Export };
    Action action = Action::Run;
    std::string refused; // what was not understood, or what is wrong, in one line
    ExportRequest request;
};

// Reads the arguments after the program's name. -h and --help ask for help,
// --version for the version; --export and its options ask for a file; every
// other argument must be a toolkit option.
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

// Help and version exit with 0; an argument not understood exits with 2,
// saying in one line what it was and where to find the usage; anything else
// starts the program (an export is left to run_export).
CommandLineAnswer answer_command_line(std::span<const std::string> arguments,
                                      std::span<const ToolkitOption> toolkit_options);

// A short usage in Chinese and English, listing the toolkit options that have
// a usage line; ends in a line break.
std::string usage(std::span<const ToolkitOption> toolkit_options);

// Writes the export's document: exit code 0 and no text when written; 2 with
// the exercise named and what is wrong with it, in the working window's own
// words, when an entry cannot be solved (nothing is written then); 1 when the
// file cannot be written.
CommandLineAnswer run_export(const ExportRequest& request, draw::PageRenderer& renderer);

} // namespace vornix::ui
