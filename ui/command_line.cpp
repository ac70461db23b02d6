#include "command_line.hpp"

#include "app_info.hpp"
#include "command_reading.hpp"

#include <algorithm>

namespace vornix::ui {
namespace {

// The option's name without its dashes and without "=value".
std::string_view option_name(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

bool given(std::span<const std::string> arguments, std::string_view option) {
    return std::ranges::find(arguments, option) != arguments.end();
}

} // namespace

CommandLine read_command_line(std::span<const std::string> arguments,
                              std::span<const ToolkitOption> toolkit_options) {
    const bool checking = given(arguments, "--check");
    const bool practising = given(arguments, "--practice");
    const bool exporting = given(arguments, "--export");
    const bool helping = std::ranges::any_of(arguments, [](const std::string& argument) {
        return argument == "-h" || argument == "--help" || argument == "--version";
    });
    if (!helping && checking && practising) {
        return reading::refusal(reading::not_here("--practice", "--check"));
    }
    if (!helping && checking) {
        return reading::read_check(arguments);
    }
    if (!helping && practising) {
        return reading::read_practice(arguments);
    }
    if (!helping && exporting) {
        return reading::read_export(arguments);
    }
    if (checking || practising || exporting) { // help and version answer whatever else is asked
        const bool version =
            std::ranges::find(arguments, "--version") <
            std::ranges::find_if(
                arguments, [](const std::string& a) { return a == "-h" || a == "--help"; });
        return CommandLine::asking(version ? CommandLine::Action::Version
                                           : CommandLine::Action::Help);
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            return CommandLine::asking(CommandLine::Action::Help);
        }
        if (argument == "--version") {
            return CommandLine::asking(CommandLine::Action::Version);
        }
        const auto option =
            argument.size() > 1 && argument[0] == '-'
                ? std::ranges::find(toolkit_options, option_name(argument), &ToolkitOption::name)
                : toolkit_options.end();
        if (option == toolkit_options.end()) {
            return reading::refusal(reading::unknown(argument));
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
    case CommandLine::Action::Check:
    case CommandLine::Action::Practice:
        break;
    }
    return {};
}

bool runs_without_window(const CommandLine& line) {
    return line.action == CommandLine::Action::Export ||
           line.action == CommandLine::Action::Check ||
           line.action == CommandLine::Action::Practice;
}

bool draws_pages(const CommandLine& line) {
    return line.action == CommandLine::Action::Export ||
           (line.action == CommandLine::Action::Practice && !line.practice.sheet.empty());
}

CommandLineAnswer run_without_window(const CommandLine& line, draw::PageRenderer& renderer) {
    switch (line.action) {
    case CommandLine::Action::Export:
        return run_export(line.request, renderer);
    case CommandLine::Action::Check:
        return run_check(line.check);
    case CommandLine::Action::Practice:
        return run_practice(line.practice, renderer);
    default:
        return {};
    }
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
        "                    entry, 1 无法写入 / the file cannot be written\n"
        "  --check ANSWER --quadratic A B C [--method formula|square|factor]\n"
        "        [--page solve|function]\n"
        "  --check ANSWER --line X1 Y1 X2 Y2 [--page solve|function]\n"
        "                    检查学生的答案，像解题过程窗口一样写出评语和可能的错因\n"
        "                    （方法默认为窗口先显示的那一种）/ check a student's answer\n"
        "                    and print the verdict as the working window does (the\n"
        "                    method is the one the window shows first unless given).\n"
        "                    退出码 / exit code: 0 正确 / right, 3 其他评语 / any other\n"
        "                    verdict, 2 输入有误 / a bad entry or option\n"
        "  --practice N --kind factor|square|formula|mixed|function|line\n"
        "        [--level 1|2|3] [--seed S]\n"
        "                    出 N 道新题（1–200，默认练习一），每行一题，写成\n"
        "                    --quadratic A B C 或 --line X1 Y1 X2 Y2，可交给 --export；\n"
        "                    不给 --seed 时随机选一个，写在标准错误上（种子 / seed: …）\n"
        "                    / N fresh exercises (1 to 200, level 1 unless given), one\n"
        "                    a line as the options that name them, for --export; without\n"
        "                    --seed one is chosen and printed on standard error.\n"
        "        [--export SHEET [--key KEY] [--versions V]]\n"
        "                    写出练习卷 SHEET 和答案 KEY（.pdf、.svg、.png），不打开窗口；\n"
        "                    --versions V（1–6）写出 A卷、B卷…：SHEET-A、KEY-A…\n"
        "                    / write the worksheet and its key instead, without a window;\n"
        "                    V versions (1 to 6) for neighbouring desks as SHEET-A, KEY-A, …\n"
        "                    退出码 / exit code: 0 写好 / written, 2 选项有误 / a bad\n"
        "                    option (nothing written), 1 无法写入 / a file cannot be written\n";
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
