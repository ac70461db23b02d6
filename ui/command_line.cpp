#include "command_line.hpp"

#include "app_info.hpp"

#include <algorithm>

namespace vornix::ui {
namespace {

// The option's name without its dashes and without "=value".
std::string_view option_name(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

} // namespace

CommandLine read_command_line(std::span<const std::string> arguments,
                              std::span<const ToolkitOption> toolkit_options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            return {CommandLine::Action::Help, {}};
        }
        if (argument == "--version") {
            return {CommandLine::Action::Version, {}};
        }
        const auto option =
            argument.size() > 1 && argument[0] == '-'
                ? std::ranges::find(toolkit_options, option_name(argument), &ToolkitOption::name)
                : toolkit_options.end();
        if (option == toolkit_options.end()) {
            return {CommandLine::Action::Refuse, argument};
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
                "vornix: 无法识别的参数 / unknown argument: " + line.refused + "\n\n" +
                    usage(toolkit_options),
                true};
    case CommandLine::Action::Run:
        break;
    }
    return {};
}

std::string usage(std::span<const ToolkitOption> toolkit_options) {
    std::string text = "用法：vornix [选项]\n"
                       "Usage: vornix [options]\n"
                       "求一元二次方程的实数根，由两点坐标求一次函数式。\n"
                       "Solves quadratic equations and finds the line through two points.\n"
                       "\n"
                       "  -h, --help        显示本说明 / show this help\n"
                       "  --version         显示版本 / show the version\n";
    for (const ToolkitOption& option : toolkit_options) {
        if (!option.usage.empty()) {
            text += "  " + std::string(option.usage) + "\n";
        }
    }
    text += "\n"
            "在窗口中 / In the window:\n"
            "  Alt+Enter         解题过程与图像（在答案或其输入框上）/ the working and the graph\n"
            "                    (on an answer or its entry boxes; or double-click the answer)\n"
            "  Ctrl+Shift+C      复制答案 / copy the answer\n";
    return text;
}

std::string version_line() {
    return std::string(kApplication.title) + " " + version_number();
}

} // namespace vornix::ui
