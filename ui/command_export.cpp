// vornix --export: a worksheet key of the exercises given, into a file.
#include "app_info.hpp"
#include "command_reading.hpp"

namespace vornix::ui {
namespace reading {

CommandLine read_export(std::span<const std::string> arguments) {
    ExerciseOptions options;
    std::string file;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (const Read read = read_exercise_option(arguments, i, options); read.taken) {
            if (read.refused) {
                return *read.refused;
            }
        } else if (option == "--export") {
            const std::optional<std::string> value = value_after(arguments, i);
            if (!value) {
                return refusal(needs_value(option));
            }
            file = *value;
        } else {
            return refusal(not_here(option, "--export"));
        }
    }
    if (file.empty()) {
        return refusal("--export 需要文件名 / needs a file name");
    }
    if (options.items.empty()) {
        return refusal("--export 需要至少一道题（--quadratic 或 --line）/ needs an exercise");
    }
    CommandLine line = CommandLine::asking(CommandLine::Action::Export);
    line.request = {std::move(file), std::move(options.items), options.method, options.page};
    return line;
}

} // namespace reading

namespace {

// Why the exercise cannot go on the page, in the working window's words; empty when it can.
std::string fault_of(const calc::Exercise& exercise, draw::Page page) {
    const bool fault = exercise.outcome == calc::Outcome::OutOfRange ||
                       (exercise.outcome == calc::Outcome::NoEquation && page == draw::Page::Solve);
    return fault ? exercise.explanation : std::string();
}

} // namespace

CommandLineAnswer run_export(const ExportRequest& request, draw::PageRenderer& renderer) {
    std::vector<draw::DocumentItem> items;
    for (std::size_t i = 0; i < request.items.size(); ++i) {
        const ExportRequest::Item& item = request.items[i];
        const std::vector<std::string>& e = item.entries;
        const calc::Exercise exercise = item.line ? calc::evaluate_line(e[0], e[1], e[2], e[3])
                                                  : calc::evaluate_quadratic(e[0], e[1], e[2]);
        if (const std::string fault = fault_of(exercise, request.page); !fault.empty()) {
            return {2,
                    "vornix: 第 " + std::to_string(i + 1) + " 题（" + reading::as_typed(item) +
                        "）：" + fault + "\n",
                    true};
        }
        items.push_back({draw::page_lines(exercise, request.page, request.method),
                         draw::page_plot(exercise, request.page)});
    }
    draw::Document document(std::move(items), version_line());
    return reading::saved_answer(draw::save_document(document, request.file, renderer));
}

} // namespace vornix::ui
