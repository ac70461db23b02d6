// What reading the command line's commands shares: values after options,
// refusals in one line, exercises and how they are shown, whole numbers.
#pragma once

#include "command_line.hpp"
#include "export.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vornix::ui::reading {

// The argument after arguments[i], moving i onto it; nothing at the end.
std::optional<std::string> value_after(std::span<const std::string> arguments, std::size_t& i);

CommandLine refusal(std::string why);
// "无法识别的参数 / unknown argument: …"
std::string unknown(const std::string& argument);
// "--line 需要 4 个数 / needs 4 numbers" and the like for a missing value.
std::string needs_value(const std::string& option);
// An option of another command: "--seed 不能与 --check 同用 / --seed cannot go with --check";
// else unknown(option).
std::string not_here(const std::string& option, std::string_view command);
std::string given_twice(const std::string& option);

// The exercise as typed: "--quadratic 1 -3 2".
std::string as_typed(const ExportRequest::Item& item);

// The options that name exercises and how they are shown, as --export and
// --check take them.
struct ExerciseOptions {
    std::vector<ExportRequest::Item> items;
    std::optional<calc::Method> method;
    draw::Page page = draw::Page::Solve;
};

// What reading one argument came to.
struct Read {
    bool taken = false;                 // it was --quadratic, --line, --method or --page
    std::optional<CommandLine> refused; // Refuse or BadEntry, when it was wrong
};

// Takes arguments[i] and its values into `options` when it is one of those
// options, moving i onto its last value. Entries are taken as they stand,
// "-3" included, and must each be wholly a number.
Read read_exercise_option(std::span<const std::string> arguments, std::size_t& i,
                          ExerciseOptions& options);

// The text as a whole number from `least` to `most`: ASCII digits only, no
// sign, no blanks; nothing otherwise, overflow included.
std::optional<std::uint64_t> whole_number(std::string_view text, std::uint64_t least,
                                          std::uint64_t most);

// What a command that writes files answers: 0 and nothing said when they
// were written, 1 when one could not be, 2 for a name of no known kind or a
// kind this toolkit cannot write.
CommandLineAnswer saved_answer(const draw::Saved& saved);

// Each command's arguments, all of them, read into its request; or why not.
CommandLine read_export(std::span<const std::string> arguments);
CommandLine read_check(std::span<const std::string> arguments);
CommandLine read_practice(std::span<const std::string> arguments);

} // namespace vornix::ui::reading
