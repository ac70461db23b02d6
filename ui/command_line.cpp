#include "command_line.hpp"

#include "app_info.hpp"
#include "export.hpp"

#include <algorithm>
#include <array>

namespace vornix::ui {
namespace {

struct NamedMethod {
    std::string_view name;
    calc::Method method;
};
constexpr std::array<NamedMethod, 3> kMethods{{{"formula", calc::Method::Formula},
                                               {"square", calc::Method::CompletingSquare},
                                               {"factor", calc::Method::Factoring}}};

// What follows an option: its value, or why there is none.
std::optional<std::string> value_after(std::span<const std::string> arguments, std::size_t& i) {
    if (i + 1 >= arguments.size()) {
        return std::nullopt;
    }
    return arguments[++i];
}

std::string unknown(const std::string& argument) {
    return "无法识别的参数 / unknown argument: " + argument;
}

std::string as_typed(const ExportRequest::Item& item) {
    std::string text = item.line ? "--line" : "--quadratic";
    for (const std::string& entry : item.entries) {
        text += " " + entry;
    }
    return text;
}

// What is wrong with exercise `number`'s entries: a typing slip on the
// command line must not become another exercise's key, as the entry boxes
// would read "-3O" as −3. Empty when each is wholly a number.
std::string not_a_number(std::size_t number, const ExportRequest::Item& item) {
    for (const std::string& entry : item.entries) {
        if (!calc::is_whole_number(entry)) {
            return "第 " + std::to_string(number) + " 题（" + as_typed(item) + "）：“" + entry +
                   "” 不是一个数 / is not a number";
        }
    }
    return {};
}

// The export's arguments; entries are taken as they stand, "-3" included.
CommandLine read_export(std::span<const std::string> arguments) {
    CommandLine line{CommandLine::Action::Export, {}, {}};
    ExportRequest& request = line.request;
    const auto refuse = [](std::string why) {
        return CommandLine{CommandLine::Action::Refuse, std::move(why), {}};
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--quadratic" || option == "--line") {
            const std::size_t count = option == "--line" ? 4 : 3;
            if (i + count >= arguments.size()) {
                return refuse(option + " 需要 " + std::to_string(count) + " 个数 / needs " +
                              std::to_string(count) + " numbers");
            }
            ExportRequest::Item item{option == "--line", {}};
            item.entries.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                arguments.begin() + static_cast<std::ptrdiff_t>(i + 1 + count));
            request.items.push_back(std::move(item));
            if (std::string bad = not_a_number(request.items.size(), request.items.back());
                !bad.empty()) {
                return {CommandLine::Action::BadEntry, std::move(bad), {}};
            }
            i += count;
        } else if (option == "--export" || option == "--method" || option == "--page") {
            const std::optional<std::string> value = value_after(arguments, i);
            if (!value) {
                return refuse(option + " 后面缺少值 / needs a value");
            }
            if (option == "--export") {
                request.file = *value;
            } else if (option == "--method") {
                const auto named = std::ranges::find(kMethods, *value, &NamedMethod::name);
                if (named == kMethods.end()) {
                    return refuse(unknown("--method " + *value));
                }
                request.method = named->method;
            } else if (*value == "solve" || *value == "function") {
                request.page = *value == "solve" ? draw::Page::Solve : draw::Page::Function;
            } else {
                return refuse(unknown("--page " + *value));
            }
        } else {
            return refuse(unknown(option));
        }
    }
    if (request.file.empty()) {
        return refuse("--export 需要文件名 / needs a file name");
    }
    if (request.items.empty()) {
        return refuse("--export 需要至少一道题（--quadratic 或 --line）/ needs an exercise");
    }
    return line;
}

// The option's name without its dashes and without "=value".
std::string_view option_name(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

} // namespace

CommandLine read_command_line(std::span<const std::string> arguments,
                              std::span<const ToolkitOption> toolkit_options) {
    const bool exporting = std::ranges::count(arguments, "--export") > 0;
    const bool helping = std::ranges::any_of(arguments, [](const std::string& argument) {
        return argument == "-h" || argument == "--help" || argument == "--version";
    });
    if (exporting && !helping) {
        return read_export(arguments);
    }
    if (exporting) { // help and version answer whatever else is asked
        const bool version =
            std::ranges::find(arguments, "--version") <
            std::ranges::find_if(
                arguments, [](const std::string& a) { return a == "-h" || a == "--help"; });
        return {version ? CommandLine::Action::Version : CommandLine::Action::Help, {}, {}};
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            return {CommandLine::Action::Help, {}, {}};
        }
        if (argument == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        }
        const auto option =
            argument.size() > 1 && argument[0] == '-'
                ? std::ranges::find(toolkit_options, option_name(argument), &ToolkitOption::name)
                : toolkit_options.end();
        if (option == toolkit_options.end()) {
            return {CommandLine::Action::Refuse, unknown(argument), {}};
        }
        // Its value follows, unless given after "=".
        if (option->takes_value && argument.find('=') == std::string::npos) {
            ++i;
        }
    }
    return {};
}

CommandLineAnswer answer_command_line(std::span<const std::string> arguments,
                                      std::span<const ToolkitOption> toolkit_options) {
    const CommandLine line = read_command_line(arguments, toolkit_options);
    switch (line.action) {
    case CommandLine::Action::Help:
        return {0, usage(toolkit_options)};
    case CommandLine::Action::Version:
        return {0, version_line() + "\n"};
    case CommandLine::Action::Refuse:
        return {2,
                "vornix: " + line.refused + "\n请用 vornix --help 查看用法 / see vornix --help\n",
                true};
    case CommandLine::Action::BadEntry:
        return {2, "vornix: " + line.refused + "\n", true};
    case CommandLine::Action::Run:
    case CommandLine::Action::Export:
        break;
    }
    return {};
}

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
                    "vornix: 第 " + std::to_string(i + 1) + " 题（" + as_typed(item) + "）：" +
                        fault + "\n",
                    true};
        }
        items.push_back({draw::page_lines(exercise, request.page, request.method),
                         draw::page_plot(exercise, request.page)});
    }
    draw::Document document(std::move(items), version_line());
    const draw::Saved saved = draw::save_document(document, request.file, renderer);
    switch (saved.outcome) {
    case draw::Saved::Outcome::Written:
        return {0, {}};
    case draw::Saved::Outcome::Failed:
        return {1, "vornix: " + saved.message + "\n", true};
    case draw::Saved::Outcome::UnknownKind:
    case draw::Saved::Outcome::Unsupported:
        break;
    }
    return {2, "vornix: " + saved.message + "\n", true};
}

std::string usage(std::span<const ToolkitOption> toolkit_options) {
    std::string text =
        "用法：vornix [选项]\n"
        "Usage: vornix [options]\n"
        "求一元二次方程的实数根，由两点坐标求一次函数式。\n"
        "Solves quadratic equations and finds the line through two points.\n"
        "\n"
        "  -h, --help        显示本说明 / show this help\n"
        "  --version         显示版本 / show the version\n"
        "  --export FILE --quadratic A B C [--quadratic …] [--line X1 Y1 X2 Y2 …]\n"
        "        [--method formula|square|factor] [--page solve|function]\n"
        "                    把各题的题目、解题过程与图像按顺序写入 FILE（.pdf、.svg、\n"
        "                    .png；多页的 SVG、PNG 写成 FILE-1、FILE-2…），不打开窗口\n"
        "                    / write each exercise's statement, working and graph,\n"
        "                    in order, into FILE (.pdf, .svg, .png; several pages of\n"
        "                    SVG or PNG as FILE-1, FILE-2, …), without a window.\n"
        "                    退出码 / exit code: 0 写好 / written, 2 输入有误 / a bad\n"
        "                    entry, 1 无法写入 / the file cannot be written\n";
    for (const ToolkitOption& option : toolkit_options) {
        if (!option.usage.empty()) {
            text += "  " + std::string(option.usage) + "\n";
        }
    }
    text += "\n"
            "在窗口中 / In the window:\n"
            "  Alt+Enter         解题过程与图像（在答案或其输入框上）/ the working and the graph\n"
            "                    (on an answer or its entry boxes; or double-click the answer)\n"
            "  Ctrl+Shift+C      复制答案 / copy the answer\n"
            "在解题过程窗口中 / In the working window:\n"
            "  Alt+J, Alt+H      解方程（求解析式）、函数的性质 / the two pages\n"
            "  Ctrl+= Ctrl+- Ctrl+0  放大、缩小、还原 / zoom in, out, back to 100 %\n"
            "  F11               全屏 / full screen (Esc leaves it)\n"
            "  Ctrl+P, Ctrl+S    打印、保存为 / print, save as PNG, SVG or PDF\n"
            "  在图像上 / on the graph: 滚轮缩放、拖动平移、Home 还原、←→ 沿曲线移动\n"
            "                    / wheel zooms, drag pans, Home fits, arrows trace the curve\n";
    return text;
}

} // namespace vornix::ui
