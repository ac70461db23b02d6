// The command line: help, version, and, without a window, a worksheet key
// written to a file (--export), a student's answer checked (--check), and
// fresh exercises listed or made into worksheets with their keys
// (--practice); the toolkit's own options pass through to it.
#pragma once

#include "exercise.hpp"
#include "practice.hpp"
#include "working_page.hpp"

#include <cstddef>
#include <cstdint>
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

// vornix --check ANSWER --quadratic A B C [--method M] [--page P]
// vornix --check ANSWER --line X1 Y1 X2 Y2 [--page P]
struct CheckRequest {
    std::string answer; // as typed
    ExportRequest::Item exercise;
    std::optional<calc::Method> method; // nothing: the one the window shows first
    draw::Page page = draw::Page::Solve;
};

// vornix --practice N --kind K [--level L] [--seed S]
//        [--export SHEET [--key KEY] [--versions V]]
struct PracticeRequest {
    std::size_t count = 0; // 1..kMostPracticeExercises, within the kind's capacity
    calc::PracticeKind kind = calc::PracticeKind::Factor;
    int level = 1;
    std::optional<std::uint64_t> seed; // nothing: one is chosen and said
    std::string sheet;                 // empty: the exercises listed, no file
    std::string key;                   // empty: no key
    std::size_t versions = 0;          // 0: one sheet; 1..6: A卷, B卷, … in SHEET-A, …
};

struct CommandLine {
    // Refuse: an option not understood or malformed; BadEntry: an exercise's
    // number that is not wholly a number.
    enum class Action { Run, Help, Version, Refuse, BadEntry, Export, Check, Practice };
    Action action = Action::Run;
    std::string refused; // what was not understood, or what is wrong, in one line
    ExportRequest request;
    CheckRequest check;
    PracticeRequest practice;

    // A command line that asks for `action` alone, or is refused for `why`.
    static CommandLine asking(Action action, std::string why = {}) {
        CommandLine line;
        line.action = action;
        line.refused = std::move(why);
        return line;
    }
};

// Reads the arguments after the program's name. -h and --help ask for help,
// --version for the version, whatever else is given; --check and its
// options ask for an answer checked, --practice and its options for
// exercises, --export and its options for a file; every other argument must
// be a toolkit option. Numbers are read strictly: an exercise's entries must
// each be wholly a number (calc::is_whole_number), counts, levels and seeds
// plain decimal digits within their range. An option given twice where it
// is taken once, an option of another command, or a value missing is refused.
CommandLine read_command_line(std::span<const std::string> arguments,
                              std::span<const ToolkitOption> toolkit_options);

// What the program answers on its command line before any window is made.
struct CommandLineAnswer {
    // The process's exit code; kStart when the program is to start.
    static constexpr int kStart = -1;
    int exit_code = kStart;
    std::string text;      // ends in a line break; empty when starting
    bool is_error = false; // the text belongs on the error stream
    // A line for the error stream beside an output `text` (the seed chosen
    // for a practice set), written before it; empty for none.
    std::string note = {};
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

// Checks the answer as the working window does (calc::check_answer on the
// page asked, with the method asked or else the one the window shows
// first): the verdict's lines, one a line, for the output, with exit code 0
// for 正确 and 3 for every other verdict; 2, on the error stream, for an
// exercise that has no answer to check (a = b = 0 on the solving page, a
// number beyond range, two points sharing x or y). Writes nothing.
CommandLineAnswer run_check(const CheckRequest& request);

// The practice set: without a sheet, its exercises one a line as the options
// that name them ("--quadratic 1 -5 6", "--line 0 1 2 5") for the output,
// exit code 0; with one, the worksheet (and key) of each version into its
// files, all or none, nothing on the output, 0 when written, 1 when a file
// cannot be written, 2 for a name of no known kind or a kind the toolkit
// cannot write. Without a seed one is chosen (fresh_seed) and said in the
// note: "种子 / seed: 8041".
CommandLineAnswer run_practice(const PracticeRequest& request, draw::PageRenderer& renderer);

// Whether the command line asks for work done without a window (an export,
// a check, a practice set), which run_without_window does.
bool runs_without_window(const CommandLine& line);
// Whether that work draws pages, for which a toolkit must be started.
bool draws_pages(const CommandLine& line);
CommandLineAnswer run_without_window(const CommandLine& line, draw::PageRenderer& renderer);

} // namespace vornix::ui
