// vornix --check: a student's answer checked as the working window checks it.
#include "answer.hpp"
#include "command_reading.hpp"

namespace vornix::ui {
namespace reading {

CommandLine read_check(std::span<const std::string> arguments) {
    ExerciseOptions options;
    std::optional<std::string> answer;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (const Read read = read_exercise_option(arguments, i, options); read.taken) {
            if (read.refused) {
                return *read.refused;
            }
        } else if (option == "--check") {
            if (answer) {
                return refusal(given_twice(option));
            }
            // The answer as it stands, "-1, -2" and "" included.
            answer = value_after(arguments, i);
            if (!answer) {
                return refusal(needs_value(option));
            }
        } else {
            return refusal(not_here(option, "--check"));
        }
    }
    if (!answer) { // "--check" was another option's value
        return refusal(needs_value("--check"));
    }
    if (options.items.size() != 1) {
        return refusal(options.items.empty()
                           ? "--check 需要一道题（--quadratic 或 --line）/ needs an exercise"
                           : "--check 只检查一道题 / checks one exercise");
    }
    if (options.method && options.items.front().line) {
        return refusal("--method 只用于 --quadratic / is for --quadratic only");
    }
    CommandLine line = CommandLine::asking(CommandLine::Action::Check);
    line.check = {std::move(*answer), std::move(options.items.front()), options.method,
                  options.page};
    return line;
}

} // namespace reading

CommandLineAnswer run_check(const CheckRequest& request) {
    const std::vector<std::string>& e = request.exercise.entries;
    const calc::Exercise exercise = request.exercise.line
                                        ? calc::evaluate_line(e[0], e[1], e[2], e[3])
                                        : calc::evaluate_quadratic(e[0], e[1], e[2]);
    const calc::Verdict verdict =
        calc::check_answer(exercise, request.page, request.method, request.answer);
    std::string text;
    for (const std::string& line : verdict.lines) {
        text += line + "\n";
    }
    switch (verdict.mark) {
    case calc::Mark::Correct:
        return {0, text};
    case calc::Mark::NothingToCheck:
        // The exercise, not the answer, is at fault: a bad entry.
        return {2, "vornix: " + reading::as_typed(request.exercise) + "：" + text, true};
    default:
        return {3, text};
    }
}

} // namespace vornix::ui
