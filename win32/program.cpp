#include "program.hpp"

#include "command_line.hpp"
#include "console.hpp"
#include "main_window.hpp"
#include "paper.hpp"
#include "registry.hpp"
#include "wide_text.hpp"

#include <cstdlib>

namespace vornix::win32 {
namespace {

// The C runtime has split the command line as Windows programs do.
std::vector<std::string> arguments() {
    std::vector<std::string> texts;
    for (int i = 1; i < __argc && __wargv != nullptr; ++i) {
        texts.push_back(sysinfo::utf8(__wargv[i]));
    }
    return texts;
}

void show_in_box(std::string text, Services& services) {
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    services.show_message(nullptr, sysinfo::wide(text));
}

} // namespace

int answer_command_line(const std::vector<std::string>& arguments, Services& services) {
    const ui::CommandLine line = ui::read_command_line(arguments, {});
    if (ui::runs_without_window(line)) {
        // Run from cmd.exe or a batch file: the output (a verdict, a list of
        // exercises) and what went wrong go to its console; with none, to a box.
        Win32PageRenderer renderer;
        const ui::CommandLineAnswer answer = ui::run_without_window(line, renderer);
        const bool noted = answer.note.empty() || write_to_console(answer.note, true);
        const bool written = answer.text.empty() || write_to_console(answer.text, answer.is_error);
        if (!noted || !written) {
            show_in_box(answer.note + answer.text, services);
        }
        return answer.exit_code;
    }
    // A Windows program has no terminal of its own: help comes in a message
    // box; what was not understood goes to the console it was started from,
    // where there is one, as an export's errors do.
    const ui::CommandLineAnswer answer = ui::answer_command_line(arguments, {});
    if (answer.exit_code != ui::CommandLineAnswer::kStart &&
        !(answer.is_error && write_to_console(answer.text, true))) {
        show_in_box(answer.text, services);
    }
    return answer.exit_code;
}

int run(int show_command) {
    DesktopServices services;
    if (const int answered = answer_command_line(arguments(), services); answered >= 0) {
        return answered;
    }
    const auto registry = sysinfo::make_system_registry();
    ui::OpenWindows windows([] { PostQuitMessage(0); });
    MainWindow main_window(services, windows, *registry);
    main_window.show(show_command);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager does the keyboard in the program's windows:
        // Tab, arrows, Enter, Esc and access keys.
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && FormWindow::is_form(root) && IsDialogMessageW(root, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace vornix::win32
